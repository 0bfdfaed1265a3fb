#pragma once
// The outline tree model of the log sheet: items under an invisible root, numbered by a 1-based
// depth-first index, with expansion, one selected row and the click notification. Each item
// carries its note's span.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/note_span.h"
#include "core/text_arena.h"

namespace core {

// An outline error carries the message the user sees in the standard error box.
class OutlineError : public Error {
 public:
  using Error::Error;
};

namespace outline_message {
inline constexpr char kBadIndex[] = "ｱｳﾄﾗｲﾝ ｲﾝﾃﾞｯｸｽが不正です";
inline constexpr char kIndexNotFound[] = "ｱｳﾄﾗｲﾝ ｲﾝﾃﾞｯｸｽが見つかりません";
inline constexpr char kBadSelection[] = "選択範囲が不正です";
inline constexpr char kBadLevel[] = "不正な Level への代入です";
inline constexpr char kTooDeep[] = "ｱｳﾄﾗｲﾝの深さが限界を超えました";
inline constexpr char kParentClosed[] = "親が展開されていません";
inline constexpr char kReadError[] = "ﾌｧｲﾙ読み込みｴﾗｰ";
inline constexpr char kLineTooLong[] = "行が長すぎます";
}  // namespace outline_message

class OutlineItem {
 public:
  // Where the item's note lies in the sheet's note lines; empty for a new item. The tree moves
  // it with the item and never reads it.
  NoteSpan Span;

  // Valid until this item's text is set again or items are added or removed.
  std::string_view ItemText() const { return text_; }
  bool IsOpen() const { return open_; }
  int Level() const { return level_; }

 private:
  friend class OutlineTree;
  std::string_view text_ = "";  // in the tree's caption arena
  std::uint16_t level_ = 1;
  bool open_ = false;
  bool shown_ = false;  // the parent is expanded; kept so that visibility is a lookup, not a walk
};

class OutlineTree {
 public:
  static constexpr int kMaxLevel = 256;

  OutlineTree() = default;
  // A copy keeps its captions in an arena of its own.
  OutlineTree(const OutlineTree& other);
  OutlineTree& operator=(const OutlineTree& other);
  OutlineTree(OutlineTree&&) = default;
  OutlineTree& operator=(OutlineTree&&) = default;

  // The click handler (olTreeClick): called after an operation has moved the selection to a
  // different row, and on every ClickRow.
  std::function<void()> OnClick;

  int Count() const { return static_cast<int>(items_.size()); }
  // The reference is valid until the next operation that adds, removes or moves items.
  OutlineItem& ItemAt(int index);
  const OutlineItem& ItemAt(int index) const;

  int Selected() const;
  void SetSelected(int index);

  int AppendSibling(int index, std::string_view text);
  int InsertBefore(int index, std::string_view text);
  int AppendChild(int index, std::string_view text);
  void RemoveItem(int index);
  void RemoveAll();
  void ShiftLevel(int index, int delta);

  void OpenItem(int index);
  void CloseItem(int index);
  void OpenAll();
  // Collapses every item, leaving the top level shown.
  void CloseAll();
  bool HasChildren(int index) const;
  bool IsShown(int index) const;
  void SetItemText(int index, std::string_view text);
  // Index of the parent; 0 for a top-level item.
  int Parent(int index) const;

  // Adds a collapsed item as the new last one in index order, at a level from 1 to one deeper
  // than the last item's: how the outline file reader builds the tree line by line.
  void AppendAtLevel(int level, std::string_view text);
  // Room for `count` items in all, so that adding them moves none.
  void Reserve(int count) { items_.reserve(count); }
  // Lets go of the room that adding items one by one left over.
  void FreeSpareRoom() { items_.shrink_to_fit(); }

  // What the outline view's mouse and keys need. The Select* operations return false where the
  // view beeps and leave the selection as it was.
  void ClickRow(int index);
  void Toggle(int index);
  void ExpandSubtree(int index);
  bool SelectParent();
  bool SelectFirstChild();
  bool SelectPreviousSibling();
  bool SelectNextSibling();
  void SelectFirstRow();
  void SelectLastShown();
  // The nearest shown item after / before the given index (0 for "before the first"); 0 if none.
  int NextShown(int index) const;
  int PreviousShown(int index) const;

 private:
  // Where the selection was, for deciding whether an in-place change moved its row.
  struct RowMark {
    int pos;
    bool before;
    int rowsFromWindow;
  };

  int PosOf(int index) const;  // validates as ItemAt does
  int SubtreeEnd(int pos) const;
  int ParentPos(int pos) const;
  int NearestShownAncestorOrSelf(int pos) const;
  int CountShown(int from, int to) const;
  int Insert(int pos, int level, std::string_view text);
  void CollapseRange(int pos, int end);
  RowMark MarkRow(int window, int end) const;
  void SettleSelection(const RowMark& before, int window, int end);
  void MoveSelectionTo(int pos);
  int MaterializedSelection() const;
  void Notify();
  void LetGoCaptions(int from, int to);
  // Every caption copied into a new arena, which replaces the old.
  void RemakeCaptions();

  std::vector<OutlineItem> items_;  // depth-first order: a subtree is a contiguous range
  mutable int sel_ = -1;            // 0-based; -1 while nothing is selected
  TextArena captions_;
};

}  // namespace core
