// The log sheet's search: the find window's walk through the sheet, from the selection on, and
// its list of every hit. The note in the pane counts as it stands, stored or not.

#include <optional>

#include "core/cp932.h"
#include "core/sheet_search.h"
#include "logsheet/log_sheet_window.h"
#include "logsheet/sheet_find_dialog.h"
#include "ui/application.h"

namespace {

constexpr std::size_t kListedHits = 1000;
constexpr std::size_t kCaptionInList = 30;  // bytes of the caption at the start of a row
constexpr std::size_t kBeforeHit = 16, kAfterHit = 48;

// The characters of `line` before byte `offset`.
int CharsBefore(std::string_view line, std::size_t offset) {
  int chars = 0;
  for (std::size_t i = 0; i < offset && i < line.size(); i += core::cp932::CharLength(line, i)) ++chars;
  return chars;
}

// The byte where character `chars` of `line` starts.
std::size_t OffsetOfChar(std::string_view line, int chars) {
  std::size_t i = 0;
  for (; i < line.size() && chars > 0; --chars) i += core::cp932::CharLength(line, i);
  return i;
}

// The pane's character position of a byte of a line (1-based) of its lines: each line end is
// one character.
int PanePosition(const std::vector<std::string>& lines, int line, std::size_t offset) {
  int position = 0;
  for (int k = 0; k + 1 < line && k < static_cast<int>(lines.size()); ++k)
    position += CharsBefore(lines[k], lines[k].size()) + 1;
  if (line >= 1 && line <= static_cast<int>(lines.size())) position += CharsBefore(lines[line - 1], offset);
  return position;
}

// Whole characters of `line` from about `from` to about `to` (bytes).
std::string_view CutOnCharacters(std::string_view line, std::size_t from, std::size_t to) {
  std::size_t start = 0, i = 0;
  while (i < line.size() && i < to) {
    if (i <= from) start = i;
    i += core::cp932::CharLength(line, i);
  }
  return line.substr(start, i - start);
}

}  // namespace

std::vector<std::string> TMainOut::PaneLines() {
  HardLines hard(moNote);
  return core::StorableLines(moNote.Lines());
}

// Where the search goes on: just after the selected text in the pane (before it, backwards),
// from the caret where none is selected; from the caption of the item when the caret is at the
// note's start, or after the caption's hit that was last shown.
core::SheetPlace TMainOut::SearchStart(bool forward) {
  const int selected = olTree.Items().Selected();
  const int start = moNote.SelStart(), length = moNote.SelLength();
  if (start == 0 && length == 0) {
    if (last_hit_ && last_hit_->at.item == selected && last_hit_->at.line == 0)
      return {selected, 0, last_hit_->at.offset + (forward ? 1 : 0)};
    return {selected, 0, 0};
  }
  const std::vector<std::string> lines = PaneLines();
  int left = start + (forward && length > 0 ? 1 : 0);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const int chars = CharsBefore(lines[k], lines[k].size());
    if (left <= chars) return {selected, static_cast<int>(k) + 1, OffsetOfChar(lines[k], left)};
    left -= chars + 1;
  }
  return {selected, static_cast<int>(lines.size()) + 1, 0};
}

template <class Use>
void TMainOut::WithSheetSearch(Use use) {
  core::SheetSearch search(olTree.Items(), Notes, FindWindow().Find.Text(), FindWindow().Options());
  if (moNote.Modified()) search.SetEditedNote(olTree.Items().Selected(), PaneLines());
  use(search);
}

// The one find window, made the first time it is wanted, searching this sheet.
TSheetFindDlg& TMainOut::FindWindow() {
  if (!SheetFindDlg) ui::Application->CreateForm(SheetFindDlg);
  TSheetFindDlg& window = *SheetFindDlg;
  window.OnFindNext = [this] { FindInSheet(true); };
  window.OnFindAll = [this] { FindAllInSheet(); };
  window.OnGoTo = [this](const core::SheetHit& hit) { GoToListedHit(hit); };
  return window;
}

void TMainOut::mnFindClick() { FindWindow().Open(); }

void TMainOut::mnFindNextClick() { FindOrAsk(true); }

void TMainOut::mnFindPreviousClick() { FindOrAsk(false); }

// F3 and Shift+F3 before anything was looked for open the find window.
void TMainOut::FindOrAsk(bool forward) {
  if (FindWindow().Find.Text().empty()) {
    mnFindClick();
    return;
  }
  FindInSheet(forward);
}

void TMainOut::FindInSheet(bool forward) {
  if (FindWindow().Find.Text().empty()) return;
  std::optional<core::SheetSearch::Found> found;
  WithSheetSearch([&](core::SheetSearch& search) { found = search.Next(SearchStart(forward), forward); });
  if (!found) {
    FindWindow().SetStatus("見つかりません");
    return;
  }
  FindWindow().SetStatus(!found->wrapped ? "" : forward ? "末尾まで検索したので先頭から検索しました"
                                                         : "先頭まで検索したので末尾から検索しました");
  GoToHit(found->hit);
}

void TMainOut::FindAllInSheet() {
  if (FindWindow().Find.Text().empty()) return;
  std::vector<core::SheetHit> hits;
  std::vector<std::string> rows;
  std::size_t total = 0;
  WithSheetSearch([&](core::SheetSearch& search) {
    hits = search.All(kListedHits, total);
    rows.reserve(hits.size());
    const auto& items = olTree.Items();
    for (const core::SheetHit& hit : hits) {
      std::string_view caption = items.ItemAt(hit.at.item).ItemText();
      std::string row(CutOnCharacters(caption, 0, kCaptionInList));
      row += hit.at.line == 0 ? "  見出し: " : "  " + std::to_string(hit.at.line) + "行: ";
      std::string_view line = search.LineText(hit.at.item, hit.at.line);
      const std::size_t from = hit.at.offset > kBeforeHit ? hit.at.offset - kBeforeHit : 0;
      const std::string_view around = CutOnCharacters(line, from, hit.at.offset + hit.length + kAfterHit);
      if (around.data() > line.data()) row += "…";
      row += around;
      if (around.data() + around.size() < line.data() + line.size()) row += "…";
      rows.push_back(std::move(row));
    }
  });
  FindWindow().ShowHits(rows, std::move(hits), total);
}

// A row of the list goes to its hit, or, where the sheet has changed since, to the next hit
// from that place on.
void TMainOut::GoToListedHit(const core::SheetHit& hit) {
  if (hit.at.item > olTree.Items().Count()) return;
  std::optional<core::SheetSearch::Found> found;
  WithSheetSearch([&](core::SheetSearch& search) { found = search.Next(hit.at, true); });
  if (found) GoToHit(found->hit);
}

// The hit's item selected, its parents opened; the text found selected in the note and
// scrolled into view (the caret at the note's start, for a hit in the caption).
void TMainOut::GoToHit(const core::SheetHit& hit) {
  auto& items = olTree.Items();
  if (hit.at.item != items.Selected()) {
    StoreNote(items.Selected());
    std::vector<int> closed_parents;
    for (int p = items.Parent(hit.at.item); p > 0; p = items.Parent(p)) closed_parents.push_back(p);
    for (auto p = closed_parents.rbegin(); p != closed_parents.rend(); ++p) items.OpenItem(*p);
    items.SetSelected(hit.at.item);  // the tree's notification shows the item's note
  }
  if (hit.at.line == 0) {
    moNote.SetSelStart(0);
  } else {
    const std::vector<std::string> lines = PaneLines();
    if (hit.at.line <= static_cast<int>(lines.size())) {
      const int start = PanePosition(lines, hit.at.line, hit.at.offset);
      moNote.SetSel(start, PanePosition(lines, hit.at.line, hit.at.offset + hit.length) - start);
    }
  }
  moNote.ScrollCaret();
  last_hit_ = hit;
  FocusNote();
  ShowIndex();
}
