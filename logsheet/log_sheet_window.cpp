#include "logsheet/log_sheet_window.h"

#include "core/cp932.h"
#include "core/error.h"
#include "core/sheet_set.h"
#include "logsheet/sheet_disk.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file.h"
#include "ui/screen.h"

TMainOut* MainOut = nullptr;
bool ExchangePending = false;

namespace {

constexpr ui::Color kDirtyIndex = ui::clMaroon, kCleanIndex = ui::clBlack;
constexpr ui::Color kOutlineBackground = 0x756376;

}  // namespace

TMainOut::TMainOut() : ui::Form("TMainOut") {
  Apply({.caption = kNewSheetCaption,
         .border = ui::BorderStyle::Sizeable,
         .font = {"System", -13, 0, ui::clWindowText},
         .size = {639, 229}});
  OnCloseQuery = [this](bool& can_close) {
    FormCloseQuery(can_close);
    closing_ = can_close;
  };
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnHide = [this] { FormHide(); };
  LayOut();
  BuildMenu();
}

void TMainOut::FormCreate() {
  ui::Application->SetHintColor(ui::clAqua);
  StartNewSheet();
  SetLeft(0);
  SetTop(ui::Screen::Height() - Height());
  ExchangePending = false;
}

void TMainOut::LayOut() {
  const ui::Font child_font{"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText};
  Panel2.SetAlign(ui::Align::Left);
  Panel2.SetWidth(105);
  Panel2.SetBevelOuter(ui::BevelCut::None);
  Panel2.SetFont(child_font);
  struct Command {
    ui::SpeedButton& button;
    const char* caption;
    ui::Point at;
    void (TMainOut::*handler)();
  };
  const Command commands[] = {
      {SpeedButton1, "削除", {1, 1}, &TMainOut::mnDelClick},
      {SpeedButton2, "分割", {1, 23}, &TMainOut::mnSplitClick},
      {SpeedButton3, "上に移動", {1, 45}, &TMainOut::mnPrevNodeClick},
      {SpeedButton4, "下に移動", {1, 67}, &TMainOut::mnNextNodeClick},
      {SpeedButton5, "挿入", {1, 93}, &TMainOut::mnInsNodeClick},
      {SpeedButton12, "閉", {53, 93}, &TMainOut::SpeedButton12Click},
      {SpeedButton6, "挿入", {1, 115}, &TMainOut::mnLowInsertNodeClick},
      {SpeedButton11, "開", {53, 115}, &TMainOut::SpeedButton11Click},
      {SpeedButton9, "交換", {1, 137}, &TMainOut::SpeedButton9Click},
      {SpeedButton10, "子", {53, 137}, &TMainOut::SpeedButton10Click},
      {SpeedButton7, "上", {1, 159}, &TMainOut::mnLevelUpClick},
      {SpeedButton8, "下", {53, 159}, &TMainOut::mnLevelDownClick},
  };
  for (const Command& c : commands) {
    // The four commands on the selection's place span both columns.
    int width = c.at.y < 90 ? 102 : 50;
    c.button.SetBounds({c.at.x, c.at.y, width, 22});
    c.button.SetCaption(c.caption);
    c.button.OnClick = [this, handler = c.handler] { (this->*handler)(); };
  }

  pnOutline.SetAlign(ui::Align::Left);
  pnOutline.SetWidth(168);
  pnOutline.SetBevelOuter(ui::BevelCut::Lowered);
  pnOutline.SetBevelInner(ui::BevelCut::Raised);
  pnOutline.SetBevelWidth(2);
  pnOutline.SetFont(child_font);
  pnOutline.OnMouseDown = [this](ui::MouseButton b, ui::Point at) { pnOutlineMouseDown(b, at); };
  pnOutline.OnMouseMove = [this](ui::Point at) { pnOutlineMouseMove(at); };
  pnOutline.OnMouseUp = [this](ui::MouseButton b, ui::Point at) { pnOutlineMouseUp(b, at); };
  Panel1.SetAlign(ui::Align::Top);
  Panel1.SetHeight(20);
  Panel1.SetBevelOuter(ui::BevelCut::None);
  lbIndex.SetBounds({14, 6, 60, 12});
  lbIndex.SetCaption("Pochi_ra");
  olTree.SetAlign(ui::Align::Client);
  olTree.SetColor(kOutlineBackground);
  olTree.SetFont(child_font);
  olTree.OnClick = [this] { olTreeClick(); };
  olTree.OnEnter = [this] { olTreeEnter(); };
  olTree.OnMouseMove = [this](ui::Point at) { olTreeMouseMove(at); };

  pnMemo.SetAlign(ui::Align::Client);
  pnMemo.SetBevelOuter(ui::BevelCut::Lowered);
  pnMemo.SetBevelWidth(2);
  pnMemo.SetColor(ui::clWindow);
  pnMemo.SetFont(child_font);
  moNote.SetAlign(ui::Align::Client);
  moNote.SetPlainText(true);
  moNote.SetFont(child_font);
  moNote.SetScrollBars(ui::ScrollBars::Vertical);
}

// The menu bar: file, edit, move; a separator has no handler.
void TMainOut::BuildMenu() {
  struct Entry {
    ui::MenuItem& menu;
    std::vector<std::pair<ui::MenuItem*, void (TMainOut::*)()>> items;
  };
  const Entry entries[] = {
      {mmFile,
       {{&mnNew, &TMainOut::mnNewClick},
        {&mnOpen, &TMainOut::mnOpenClick},
        {&mnSave, &TMainOut::mnSaveClick},
        {&mnSaveAs, &TMainOut::mnSaveAsClick},
        {&N1, nullptr},
        {&mnAdd, &TMainOut::mnAddClick},
        {&N2, nullptr},
        {&mnExportText, &TMainOut::mnExportTextClick},
        {&mnExportHtml, &TMainOut::mnExportHtmlClick},
        {&N6, nullptr},
        {&mnExit, &TMainOut::mnExitClick}}},
      {mmEdit,
       {{&mnInsNode, &TMainOut::mnInsNodeClick},
        {&mnLowInsertNode, &TMainOut::mnAddNodeClick},
        {&mnDel, &TMainOut::mnDelClick},
        {&N3, nullptr},
        {&mnCopy, &TMainOut::mnCopyClick},
        {&mnCut, &TMainOut::mnCutClick},
        {&mnPaste, &TMainOut::mnPasteClick},
        {&N4, nullptr},
        {&mnSplit, &TMainOut::mnSplitClick},
        {&K2, &TMainOut::SpeedButton9Click},
        {&N7, nullptr},
        {&mnFind, &TMainOut::mnFindClick},
        {&mnFindNext, &TMainOut::mnFindNextClick},
        {&mnFindPrevious, &TMainOut::mnFindPreviousClick}}},
      {mmShow,
       {{&mnPrevNote, &TMainOut::mnPrevNodeClick},
        {&mnNextNote, &TMainOut::mnNextNodeClick},
        {&N5, nullptr},
        {&mnLevelDown, &TMainOut::mnLevelDownClick},
        {&mnLevelUp, &TMainOut::mnLevelUpClick},
        {&K1, &TMainOut::SpeedButton10Click}}},
  };
  mnFind.SetShortCut('F', ui::ssCtrl);
  mnFindNext.SetShortCut(ui::kKeyF3);
  mnFindPrevious.SetShortCut(ui::kKeyF3, ui::ssShift);
  for (const Entry& e : entries) {
    for (auto [item, handler] : e.items) {
      e.menu.Add(*item);
      if (handler) item->OnClick = [this, handler = handler] { (this->*handler)(); };
    }
    MainMenu1.Add(e.menu);
  }
  SetMenu(&MainMenu1);
}

TMainOut::~TMainOut() {
  olTree.OnClick = nullptr;
  ClearSheet();
}

void TMainOut::StoreNote(int item) {
  if (!moNote.Modified()) return;
  // A failed store leaves the item as it was and says nothing.
  try {
    HardLines hard(moNote);
    std::vector<std::string> lines = core::StorableLines(moNote.Lines());
    core::NoteSpan& span = SpanOf(item);
    olTree.Items().SetItemText(item, core::ItemTextOf(lines));
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
  core::NoteSpan& span = SpanOf(selected);
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
  Inserting = Dirty = Sizing = false;
  olTree.Items().AppendSibling(0, kBlankItem);
}

void TMainOut::ClearSheet() {
  moNote.Clear();
  Notes.Clear();
  olTree.Items().RemoveAll();
  olTree.Invalidate();
}

void TMainOut::NewSheet() {
  ClearSheet();
  StartNewSheet();
  ShowIndex();
}

void TMainOut::SaveSheet(const std::string& base) {
  HourGlass busy;
  int caret = moNote.SelStart();
  StoreNote(olTree.Items().Selected());
  moNote.SetSelStart(caret);
  ToolkitDisk disk;
  core::WriteSheetSet(disk, base, olTree.Items(), Notes);
  SetCaption(base);
  Dirty = false;
  ShowIndex();
}

// Everything is read and checked before the sheet is touched: a load that fails leaves the
// sheet on screen as it was, with nothing lost, and the error is shown.
void TMainOut::LoadSheet(const std::string& base) {
  HourGlass busy;
  ToolkitDisk disk;
  core::SheetContents loaded = core::ReadSheetSet(disk, base);
  ClearSheet();
  olTree.ReplaceItems(std::move(loaded.tree));
  Notes = std::move(loaded.notes);
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

void TMainOut::SpeedButton11Click() {
  StoreNote(olTree.Items().Selected());
  olTree.Items().OpenAll();
}

void TMainOut::SpeedButton12Click() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  items.CloseAll();
}

namespace {
// The splitter's grip: the pixels right of this distance from the outline's right edge.
constexpr int kGrip = 4;
}  // namespace

void TMainOut::pnOutlineMouseDown(ui::MouseButton, ui::Point at) {
  if (at.x > pnOutline.Width() - kGrip) Sizing = true;
}

void TMainOut::pnOutlineMouseMove(ui::Point at) {
  if (Sizing) {
    if (at.x > 10 && at.x < Width() - 20) pnOutline.SetWidth(at.x);
    return;
  }
  pnOutline.SetCursor(at.x > pnOutline.Width() - kGrip ? ui::Cursor::HSplit : ui::Cursor::Default);
}

void TMainOut::pnOutlineMouseUp(ui::MouseButton, ui::Point) { Sizing = false; }

void TMainOut::olTreeMouseMove(ui::Point) {
  olTree.SetCursor(ExchangePending ? ui::Cursor::Drag : ui::Cursor::Default);
}

void TMainOut::olTreeEnter() { StoreNote(olTree.Items().Selected()); }

std::string DefaultSheetBase() {
  return core::cp932::ExtractFileDir(ui::Application->ExeName()) + "\\" + kDefaultSheetCaption;
}

int TMainOut::ParkedTop() { return ui::Screen::Height() + 10; }

void TMainOut::ShowAtBottom() {
  SetTop(ui::Screen::Height() - Height());
  Show();
}

void TMainOut::FormShow() {
  LastDate = ReadDate(LastDate);
  LoadDefaultSheet();
}

// A closed sheet has been saved or given up, and the next showing loads the default set again:
// it is let go now, so that the program does not hold it while hidden, nor two sheets at once
// while that load reads the next. A load that fails then finds a new, empty sheet, as at the
// first showing.
void TMainOut::FormHide() {
  if (!closing_) return;
  closing_ = false;
  NewSheet();
}

// No default set yet (every first run) is an empty default sheet, saved at quit like any other.
// A set that is there but cannot be read is said once and left on the disk as it is: the sheet
// keeps its caption, so no save under "LogSheet" can go over those files unasked.
void TMainOut::LoadDefaultSheet() {
  const std::string base = DefaultSheetBase();
  ToolkitDisk disk;
  try {
    if (core::SheetSetExists(disk, base)) LoadSheet(base);
    SetCaption(kDefaultSheetCaption);
  } catch (const std::exception& e) {
    ui::MessageBox(base + " のログシートを読み込めません\n" + core::MessageOf(e), ui::Application->Title(),
                   ui::MsgButtons::OK, ui::MsgIcon::Warning);
  }
}

void TMainOut::FormCloseQuery(bool& can_close) {
  if (Caption() == kDefaultSheetCaption) {
    StoreNote(olTree.Items().Selected());
    ShowIndex();
    if (!Dirty) return;
  } else {
    ui::ModalResult answer;
    if (!AskToSave(answer)) {
      can_close = false;
      return;
    }
    if (answer != ui::ModalResult::Yes) return;
  }
  // Closing hides the sheet and the next showing loads the default set again: what is not
  // saved now would be gone then.
  try {
    if (!SaveUnderCaption()) can_close = false;
  } catch (const std::exception& e) {
    ui::Application->ShowException(e);
    can_close = false;
  }
}
