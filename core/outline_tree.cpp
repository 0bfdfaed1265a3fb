#include "core/outline_tree.h"

#include <algorithm>
#include <utility>

namespace core {

namespace msg = outline_message;

namespace {
[[noreturn]] void Fail(const char* message) { throw OutlineError(message); }
}  // namespace

OutlineTree::OutlineTree(const OutlineTree& other) : OnClick(other.OnClick), items_(other.items_), sel_(other.sel_) {
  RemakeCaptions();
}

OutlineTree& OutlineTree::operator=(const OutlineTree& other) {
  if (this != &other) *this = OutlineTree(other);
  return *this;
}

// ---- lookups ------------------------------------------------------------------------------

int OutlineTree::PosOf(int index) const {
  if (index == 0) Fail(msg::kBadIndex);
  if (index < 0 || index > Count()) Fail(msg::kIndexNotFound);
  return index - 1;
}

OutlineItem& OutlineTree::ItemAt(int index) { return items_[PosOf(index)]; }
const OutlineItem& OutlineTree::ItemAt(int index) const { return items_[PosOf(index)]; }

int OutlineTree::SubtreeEnd(int pos) const {
  const int level = items_[pos].level_;
  const int n = Count();
  int end = pos + 1;
  while (end < n && items_[end].level_ > level) ++end;
  return end;
}

int OutlineTree::ParentPos(int pos) const {
  const int level = items_[pos].level_;
  int j = pos - 1;
  while (j >= 0 && items_[j].level_ >= level) --j;
  return j;
}

int OutlineTree::NearestShownAncestorOrSelf(int pos) const {
  while (!items_[pos].shown_) pos = ParentPos(pos);  // top-level items are always shown
  return pos;
}

int OutlineTree::CountShown(int from, int to) const {
  int shown = 0;
  for (int j = from; j < to; ++j) shown += items_[j].shown_ ? 1 : 0;
  return shown;
}

bool OutlineTree::HasChildren(int index) const {
  const int pos = PosOf(index);
  return pos + 1 < Count() && items_[pos + 1].level_ > items_[pos].level_;
}

bool OutlineTree::IsShown(int index) const { return items_[PosOf(index)].shown_; }

int OutlineTree::Parent(int index) const { return ParentPos(PosOf(index)) + 1; }

void OutlineTree::SetItemText(int index, std::string_view text) {
  OutlineItem& item = items_[PosOf(index)];
  if (text == item.text_) return;
  const std::string_view kept = captions_.Keep(text);  // before the old text is let go: it may be this one
  captions_.LetGo(item.text_);
  item.text_ = kept;
  if (captions_.MostlyUnused()) RemakeCaptions();
}

void OutlineTree::RemakeCaptions() {
  TextArena fresh;
  for (OutlineItem& each : items_) each.text_ = fresh.Keep(each.text_);
  captions_ = std::move(fresh);
}

void OutlineTree::LetGoCaptions(int from, int to) {
  for (int j = from; j < to; ++j) captions_.LetGo(items_[j].text_);
}

// ---- selection ----------------------------------------------------------------------------

// Items added after RemoveAll leave nothing selected until the selection is first read.
int OutlineTree::MaterializedSelection() const {
  if (sel_ < 0 && !items_.empty()) sel_ = 0;
  return sel_;
}

int OutlineTree::Selected() const { return MaterializedSelection() + 1; }

void OutlineTree::Notify() {
  if (!OnClick) return;
  auto handler = OnClick;  // the handler may replace OnClick while it runs
  handler();
}

void OutlineTree::MoveSelectionTo(int pos) {
  const int old = MaterializedSelection();
  sel_ = pos;
  if (old >= 0 && old != pos) Notify();
}

void OutlineTree::SetSelected(int index) {
  if (index < 0 || (index == 0 && items_.empty())) Fail(msg::kBadSelection);
  if (index > Count()) Fail(msg::kIndexNotFound);
  if (index == 0) index = 1;
  MoveSelectionTo(NearestShownAncestorOrSelf(index - 1));
}

void OutlineTree::ClickRow(int index) {
  sel_ = NearestShownAncestorOrSelf(PosOf(index));
  Notify();  // a click reaches the handler even on the row already selected
}

// Rows before `window` are untouched by an in-place change of [window, end), so comparing the
// shown items counted from `window` tells whether the selected row moved.
OutlineTree::RowMark OutlineTree::MarkRow(int window, int end) const {
  if (sel_ < 0) return {-1, false, 0};
  if (sel_ < window) return {sel_, true, 0};
  return {sel_, false, CountShown(window, std::min(sel_, end))};
}

void OutlineTree::SettleSelection(const RowMark& before, int window, int end) {
  if (sel_ < 0) return;
  sel_ = NearestShownAncestorOrSelf(sel_);
  const RowMark after = MarkRow(window, end);
  bool moved;
  if (before.before && after.before) {
    moved = before.pos != after.pos;
  } else if (before.before != after.before) {
    moved = true;
  } else {
    moved = before.rowsFromWindow != after.rowsFromWindow;
  }
  if (moved) Notify();
}

// ---- adding and removing ------------------------------------------------------------------

int OutlineTree::Insert(int pos, int level, std::string_view text) {
  OutlineItem item;
  item.text_ = captions_.Keep(text);
  item.level_ = static_cast<std::uint16_t>(level);
  if (level == 1) {
    item.shown_ = true;
  } else {
    // The item before the new one is its previous sibling, inside its subtree, or its parent.
    int j = pos - 1;
    while (items_[j].level_ > level) --j;
    item.shown_ = items_[j].level_ == level ? items_[j].shown_ : items_[j].open_;
  }
  const bool rowMoves = sel_ >= pos && item.shown_;
  items_.insert(items_.begin() + pos, std::move(item));
  if (sel_ >= pos) ++sel_;
  if (rowMoves) Notify();
  return pos;
}

int OutlineTree::AppendSibling(int index, std::string_view text) {
  if (index < 0) Fail(msg::kBadIndex);
  if (index > Count()) Fail(msg::kIndexNotFound);
  if (index == 0) return Insert(Count(), 1, text) + 1;
  const int pos = index - 1;
  const int parent = ParentPos(pos);
  const int end = parent < 0 ? Count() : SubtreeEnd(parent);
  return Insert(end, items_[pos].level_, text) + 1;
}

int OutlineTree::InsertBefore(int index, std::string_view text) {
  if (index < 0) Fail(msg::kBadIndex);
  if (index > Count()) Fail(msg::kIndexNotFound);
  if (index == 0) {
    Insert(Count(), 1, text);
    return 0;
  }
  return Insert(index - 1, items_[index - 1].level_, text) + 1;
}

int OutlineTree::AppendChild(int index, std::string_view text) {
  if (index < 0) Fail(msg::kBadIndex);
  if (index > Count()) Fail(msg::kIndexNotFound);
  if (index == 0) return Insert(Count(), 1, text) + 1;
  const int pos = index - 1;
  if (items_[pos].level_ >= kMaxLevel) Fail(msg::kTooDeep);
  return Insert(SubtreeEnd(pos), items_[pos].level_ + 1, text) + 1;
}

void OutlineTree::AppendAtLevel(int level, std::string_view text) {
  const int deepest = items_.empty() ? 1 : items_.back().level_ + 1;
  if (level > kMaxLevel) Fail(msg::kTooDeep);
  if (level < 1 || level > deepest) Fail(msg::kBadLevel);
  bool shown = true;
  if (level > 1) {
    int j = Count() - 1;
    while (items_[j].level_ > level) --j;
    shown = items_[j].level_ == level ? items_[j].shown_ : items_[j].open_;
  }
  // Straight onto the end, as a file of a million lines needs: no row above the selection moves.
  OutlineItem& item = items_.emplace_back();
  item.text_ = captions_.Keep(text);
  item.level_ = static_cast<std::uint16_t>(level);
  item.shown_ = shown;
}

void OutlineTree::RemoveItem(int index) {
  if (index <= 0) Fail(msg::kBadIndex);
  const int first = PosOf(index);
  const int end = SubtreeEnd(first);
  const int removed = end - first;
  const int level = items_[first].level_;
  bool rowMoves = false;
  if (sel_ >= end) {
    rowMoves = items_[first].shown_;  // the subtree's rows lay above the selection
    sel_ -= removed;
  } else if (sel_ >= first) {
    // The selection was inside the removed subtree: its next sibling, else the sibling before
    // it, else its parent.
    if (end < Count() && items_[end].level_ == level) {
      rowMoves = sel_ != first;
      sel_ = first;
    } else {
      int j = first - 1;
      while (j >= 0 && items_[j].level_ > level) --j;
      rowMoves = j >= 0;
      sel_ = j;
    }
  }
  LetGoCaptions(first, end);
  items_.erase(items_.begin() + first, items_.begin() + end);
  if (rowMoves) Notify();
}

void OutlineTree::RemoveAll() {
  items_.clear();  // the room stays: the log sheet's one tree is refilled by every load
  captions_.Clear();
  sel_ = -1;
}

// ---- expansion ----------------------------------------------------------------------------

void OutlineTree::CollapseRange(int pos, int end) {
  items_[pos].open_ = false;
  for (int j = pos + 1; j < end; ++j) {
    items_[j].open_ = false;
    items_[j].shown_ = false;
  }
}

void OutlineTree::OpenItem(int index) {
  const int pos = PosOf(index);
  OutlineItem& item = items_[pos];
  if (!item.shown_) Fail(msg::kParentClosed);
  if (item.open_) return;
  const int end = SubtreeEnd(pos);
  const RowMark mark = MarkRow(pos, end);
  item.open_ = true;
  // Descendants below the children are collapsed already, so only the children come into view.
  for (int j = pos + 1; j < end; ++j) {
    if (items_[j].level_ == item.level_ + 1) items_[j].shown_ = true;
  }
  SettleSelection(mark, pos, end);
}

void OutlineTree::CloseItem(int index) {
  const int pos = PosOf(index);
  const int end = SubtreeEnd(pos);
  const RowMark mark = MarkRow(pos, end);
  CollapseRange(pos, end);
  SettleSelection(mark, pos, end);
}

void OutlineTree::Toggle(int index) {
  if (ItemAt(index).open_) {
    CloseItem(index);
  } else {
    OpenItem(index);
  }
}

void OutlineTree::ExpandSubtree(int index) {
  const int pos = PosOf(index);
  if (!items_[pos].shown_) Fail(msg::kParentClosed);
  const int end = SubtreeEnd(pos);
  const RowMark mark = MarkRow(pos, end);
  items_[pos].open_ = true;
  for (int j = pos + 1; j < end; ++j) {
    items_[j].shown_ = true;
    if (j + 1 < end && items_[j + 1].level_ > items_[j].level_) items_[j].open_ = true;
  }
  SettleSelection(mark, pos, end);
}

void OutlineTree::OpenAll() {
  const int n = Count();
  const RowMark mark = MarkRow(0, n);
  for (int j = 0; j < n; ++j) {
    items_[j].shown_ = true;
    if (j + 1 < n && items_[j + 1].level_ > items_[j].level_) items_[j].open_ = true;
  }
  SettleSelection(mark, 0, n);
}

void OutlineTree::CloseAll() {
  const int n = Count();
  const RowMark mark = MarkRow(0, n);
  for (auto& item : items_) {
    item.open_ = false;
    item.shown_ = item.level_ == 1;
  }
  SettleSelection(mark, 0, n);
}

// ---- moving between levels ----------------------------------------------------------------

void OutlineTree::ShiftLevel(int index, int delta) {
  const int pos = PosOf(index);
  if (delta != 1 && delta != -1) Fail(msg::kBadLevel);
  const int level = items_[pos].level_;
  const int end = SubtreeEnd(pos);

  if (delta == 1) {
    // Lowering keeps every index: the subtree already follows its previous sibling's.
    int sibling = pos - 1;
    while (sibling >= 0 && items_[sibling].level_ > level) --sibling;
    if (sibling < 0 || items_[sibling].level_ < level) Fail(msg::kBadLevel);
    for (int j = pos; j < end; ++j) {
      if (items_[j].level_ >= kMaxLevel) Fail(msg::kTooDeep);
    }
    const RowMark mark = MarkRow(pos, end);
    for (int j = pos; j < end; ++j) ++items_[j].level_;
    if (items_[sibling].open_) {
      items_[pos].shown_ = true;
    } else {
      CollapseRange(pos, end);
      items_[pos].shown_ = false;
    }
    SettleSelection(mark, pos, end);
    return;
  }

  if (level == 1) Fail(msg::kBadLevel);
  const int parent = ParentPos(pos);
  const int parentEnd = SubtreeEnd(parent);
  const int n = Count();
  const int grandparent = level == 2 ? -1 : ParentPos(parent);
  const bool grandparentOpen = grandparent < 0 || items_[grandparent].open_;
  const bool destinationOpen =
      parentEnd < n && items_[parentEnd].level_ == level - 1 ? items_[parentEnd].open_ : grandparentOpen;
  const RowMark mark = MarkRow(pos, parentEnd);
  // The later siblings and their subtrees move up; the raised subtree ends where the parent's did.
  const int moved = end - pos;
  const int later = parentEnd - end;
  if (sel_ >= pos && sel_ < end) {
    sel_ += later;
  } else if (sel_ >= end && sel_ < parentEnd) {
    sel_ -= moved;
  }
  std::rotate(items_.begin() + pos, items_.begin() + end, items_.begin() + parentEnd);
  const int newPos = pos + later;
  for (int j = newPos; j < parentEnd; ++j) --items_[j].level_;
  if (!destinationOpen) CollapseRange(newPos, parentEnd);
  items_[newPos].shown_ = grandparentOpen;
  SettleSelection(mark, pos, parentEnd);
}

// ---- the view's keys ----------------------------------------------------------------------

bool OutlineTree::SelectParent() {
  const int sel = MaterializedSelection();
  if (sel < 0) return false;
  const int parent = ParentPos(sel);
  if (parent < 0) return false;
  MoveSelectionTo(parent);
  return true;
}

bool OutlineTree::SelectFirstChild() {
  const int sel = MaterializedSelection();
  if (sel < 0 || !items_[sel].open_ || !HasChildren(sel + 1)) return false;
  MoveSelectionTo(sel + 1);
  return true;
}

bool OutlineTree::SelectPreviousSibling() {
  const int sel = MaterializedSelection();
  if (sel < 0) return false;
  const int level = items_[sel].level_;
  int j = sel - 1;
  while (j >= 0 && items_[j].level_ > level) --j;
  if (j < 0 || items_[j].level_ < level) return false;
  MoveSelectionTo(j);
  return true;
}

bool OutlineTree::SelectNextSibling() {
  const int sel = MaterializedSelection();
  if (sel < 0) return false;
  const int end = SubtreeEnd(sel);
  if (end >= Count() || items_[end].level_ != items_[sel].level_) return false;
  MoveSelectionTo(end);
  return true;
}

void OutlineTree::SelectFirstRow() {
  if (MaterializedSelection() >= 0) MoveSelectionTo(0);
}

void OutlineTree::SelectLastShown() {
  if (MaterializedSelection() < 0) return;
  int j = Count() - 1;
  while (!items_[j].shown_) --j;
  MoveSelectionTo(j);
}

int OutlineTree::NextShown(int index) const {
  if (index < 0) Fail(msg::kBadIndex);
  if (index > Count()) Fail(msg::kIndexNotFound);
  for (int j = index; j < Count(); ++j) {
    if (items_[j].shown_) return j + 1;
  }
  return 0;
}

int OutlineTree::PreviousShown(int index) const {
  for (int j = PosOf(index) - 1; j >= 0; --j) {
    if (items_[j].shown_) return j + 1;
  }
  return 0;
}

}  // namespace core
