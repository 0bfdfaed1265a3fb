#include "logsheet/log_sheet_window.h"

#include "logsheet/outline_file.h"
#include "logsheet/sheet_commit.h"
#include "logsheet/sheet_files.h"
#include "ui/application.h"
#include "ui/cp932.h"
#include "ui/file.h"
#include "ui/screen.h"

TMainOut* MainOut = nullptr;
bool ExchangePending = false;

namespace {

constexpr ui::Color kDirtyIndex = ui::clMaroon, kCleanIndex = ui::clBlack;
constexpr ui::Color kOutlineBackground = 0x756376;

// The hourglass for the length of a file operation, the default cursor again however it ends.
class HourGlass {
 public:
  HourGlass() { ui::Screen::SetCursor(ui::Cursor::HourGlass); }
  ~HourGlass() { ui::Screen::SetCursor(ui::Cursor::Default); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;
};

// The pane's lines are its hard lines only while word wrap is off.
class HardLines {
 public:
  explicit HardLines(ui::RichEdit& pane) : pane_(pane) { pane_.SetWordWrap(false); }
  ~HardLines() { pane_.SetWordWrap(true); }
  HardLines(const HardLines&) = delete;
  HardLines& operator=(const HardLines&) = delete;

 private:
  ui::RichEdit& pane_;
};

}  // namespace

TMainOut::TMainOut() : ui::Form("TMainOut") {
  Apply({.caption = kNewSheetCaption,
         .border = ui::BorderStyle::Sizeable,
         .font = {"System", -13, 0, ui::clWindowText},
         .size = {639, 229}});
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };

  lbIndex.SetBounds({119, 6, 60, 12});
  lbIndex.SetCaption("Pochi_ra");
  olTree.SetBounds({107, 22, 164, 200});
  olTree.SetColor(kOutlineBackground);
  olTree.SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  olTree.OnClick = [this] { olTreeClick(); };
  olTree.OnEnter = [this] { olTreeEnter(); };
  moNote.SetPlainText(true);
  moNote.SetBounds({275, 2, 356, 220});
  moNote.SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  moNote.SetScrollBars(ui::ScrollBars::Vertical);

  StartNewSheet();
  ExchangePending = false;
}

TMainOut::~TMainOut() {
  olTree.OnClick = nullptr;
  ClearSheet();
}

logsheet::NoteSpan& TMainOut::SpanOf(int item) {
  auto* span = reinterpret_cast<logsheet::NoteSpan*>(olTree.Items().ItemAt(item).ItemData());
  if (!span) throw logsheet::OutlineError(logsheet::outline_message::kBadIndex);
  return *span;
}

int TMainOut::AttachSpan(int item) {
  olTree.Items().ItemAt(item).SetItemData(reinterpret_cast<std::intptr_t>(Notes.NewSpan()));
  return item;
}

void TMainOut::StoreNote(int item) {
  if (!moNote.Modified()) return;
  // A failed store leaves the item as it was and says nothing.
  try {
    HardLines hard(moNote);
    std::vector<std::string> lines = logsheet::StorableLines(moNote.Lines());
    logsheet::NoteSpan& span = SpanOf(item);
    olTree.Items().SetItemText(item, logsheet::ItemTextOf(lines));
    Notes.Store(span, lines);
    moNote.SetModified(false);
    Dirty = true;
  } catch (const std::exception&) {
  }
}

void TMainOut::ShowNote() {
  HardLines hard(moNote);
  moNote.Clear();
  auto& items = olTree.Items();
  int selected = items.Selected();
  logsheet::NoteSpan& span = SpanOf(selected);
  if (span.LineCount == 0) items.SetItemText(selected, kBlankItem);
  moNote.SetLines(Notes.NoteOf(span));
  // Showing a stored note is no edit of it: moving over unedited items leaves Dirty alone.
  moNote.SetModified(false);
}

void TMainOut::ShowIndex() {
  const auto& items = olTree.Items();
  lbIndex.SetCaption(std::to_string(items.Selected()) + " / " + std::to_string(items.Count()));
  ui::Font font = lbIndex.GetFont();
  font.color = Dirty ? kDirtyIndex : kCleanIndex;
  lbIndex.SetFont(font);
  olTree.Invalidate();
  FocusNote();
}

// A hidden window cannot take the focus; a save at shutdown runs with the sheet hidden.
void TMainOut::FocusNote() {
  if (Visible() && moNote.Visible()) moNote.SetFocus();
}

void TMainOut::StartNewSheet() {
  SetCaption(kNewSheetCaption);
  Sizing = Inserting = Dirty = false;
  AttachSpan(olTree.Items().AppendSibling(0, kBlankItem));
}

void TMainOut::ClearSheet() {
  moNote.Clear();
  Notes.NoteLines.clear();
  Notes.ReleaseAll();
  auto& items = olTree.Items();
  for (int i = 1; i <= items.Count(); ++i) items.ItemAt(i).SetItemData(0);
  items.RemoveAll();
  olTree.Invalidate();
}

void TMainOut::NewSheet() {
  ClearSheet();
  StartNewSheet();
  ShowIndex();
}

std::vector<logsheet::NoteSpan*> TMainOut::Spans() {
  std::vector<logsheet::NoteSpan*> spans;
  spans.reserve(olTree.Items().Count());
  for (int i = 1; i <= olTree.Items().Count(); ++i) spans.push_back(&SpanOf(i));
  return spans;
}

void TMainOut::SaveSheet(const std::string& base) {
  HourGlass busy;
  int caret = moNote.SelStart();
  StoreNote(olTree.Items().Selected());
  moNote.SetSelStart(caret);
  std::vector<logsheet::NoteSpan*> spans = Spans();
  Notes.Compact(spans);

  logsheet::SheetBytes bytes;
  bytes.write_pcr = [&](const std::string& path) { logsheet::WriteOutline(olTree.Items(), ui::NativePath(path)); };
  bytes.txt = logsheet::TxtBytes(Notes.NoteLines);
  bytes.bin = logsheet::BinBytes({spans.begin(), spans.end()});
  logsheet::CommitSheet(base, bytes);

  SetCaption(base);
  Dirty = false;
  ShowIndex();
}

// Everything is read and checked before the sheet is touched: a load that fails leaves the
// sheet on screen as it was, with nothing lost, and the error is shown.
void TMainOut::LoadSheet(const std::string& base) {
  HourGlass busy;
  logsheet::RecoverSheet(base);
  logsheet::OutlineTree loaded;
  logsheet::ReadOutline(loaded, ui::NativePath(base + ".Pcr"));
  if (loaded.Count() == 0) throw logsheet::OutlineError(logsheet::outline_message::kBadIndex);
  std::vector<std::string> lines = logsheet::ParseTxt(ui::ReadFileBytes(base + ".Txt"));
  std::vector<logsheet::NoteSpan> spans =
      logsheet::ParseBin(ui::ReadFileBytes(base + ".Bin"), loaded.Count(), lines.size(), base + ".Bin");

  ClearSheet();
  olTree.ReplaceItems(std::move(loaded));
  Notes.NoteLines = std::move(lines);
  auto& items = olTree.Items();
  for (int i = 1; i <= items.Count(); ++i) {
    items.ItemAt(i).SetItemData(reinterpret_cast<std::intptr_t>(Notes.Adopt(spans[i - 1])));
  }
  SetCaption(base);
  Dirty = false;
  ShowNote();
  ShowIndex();
}

void TMainOut::olTreeClick() {
  if (Inserting) return;
  ShowNote();
  FocusNote();
  ShowIndex();
  if (ExchangePending) CompleteExchange();
}

void TMainOut::olTreeEnter() { StoreNote(olTree.Items().Selected()); }

std::string DefaultSheetBase() {
  return ui::cp932::ExtractFileDir(ui::Application->ExeName()) + "\\" + kDefaultSheetCaption;
}

// A sheet never saved goes through the save dialog, which comes with the window's file
// commands; until then it has no name to be saved under.
void TMainOut::mnSaveClick() {
  if (Caption() == kNewSheetCaption) return;
  SaveSheet(Caption() == kDefaultSheetCaption ? DefaultSheetBase() : Caption());
}

void TMainOut::FormCloseQuery(bool&) {}
