#pragma once
// The outline view: one row per shown item of its tree model, indented by level, with a picture
// for open, closed and leaf items. It follows the model's selection and turns a click on a row
// into the model's click notification.

#include <functional>
#include <memory>

#include "core/outline_tree.h"
#include "ui/control.h"
#include "ui/screen.h"

namespace ui {

class OutlineView : public WinControl {
 public:
  static constexpr int kRowHeight = 14;
  static constexpr int kPictureSize = 14;
  static constexpr int kIndent = 14;
  // The platform's numbers of the keys the view answers.
  static constexpr int kKeyEnter = 0x0D, kKeyPageUp = 0x21, kKeyPageDown = 0x22, kKeyEnd = 0x23, kKeyHome = 0x24,
                       kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28,
                       kKeyMultiply = 0x6A;  // the numeric keypad's "*"

  explicit OutlineView(WinControl* parent);
  ~OutlineView() override;
  // Enter toggles an item, also in a dialog.
  bool WantsKey(int key) const override { return key == kKeyEnter; }

  WindowPeer* Peer() const override { return peer_.get(); }
  core::OutlineTree& Items() { return items_; }
  const core::OutlineTree& Items() const { return items_; }
  // Takes another tree's items, as read from a file; the view's notification stays attached.
  void ReplaceItems(core::OutlineTree&& items);

  // The model's click notification: a row was clicked, or the selection moved to another row.
  std::function<void()> OnClick;
  // The view receives the keyboard focus.
  std::function<void()> OnEnter;
  // The pointer moves over the view, in its client coordinates.
  std::function<void(Point at)> OnMouseMove;

  // The cursor while the pointer is over the view; the platform asks for it as the pointer moves.
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }

  // The item shown in the view's top row, and the item shown in a row at a height in the view;
  // 0 below the last row.
  int TopItem() const;
  int ItemAtY(int y) const;

  // Entry points of the backend: raw input in the platform's order. A double-click comes
  // after the press and release that selected the row.
  void HandleMouseDown(Point at);
  void HandleDoubleClick(Point at);
  void HandleMouseMove(Point at);
  void HandleKeyDown(int key, unsigned shift);
  void HandleChar(char ch);
  void HandleEnter();
  void HandlePaint(Canvas& canvas) override;

 private:
  void SelectionMoved();
  void KeepSelectionInView();
  int RowsInView() const;
  // The item `rows` shown rows below (or above, when negative) an item, stopping at either end.
  int RowsAway(int item, int rows) const;
  void MoveRows(int rows);

  core::OutlineTree items_;
  std::unique_ptr<WindowPeer> peer_;
  // Kept as the item, not its row number, so that finding the rows in view never walks the
  // rows above them.
  mutable int top_item_ = 0;
  Cursor cursor_ = Cursor::Default;
  bool char_taken_ = false;  // the key going down was answered; its character is not
};

namespace backend {
std::unique_ptr<WindowPeer> NewOutlinePeer(OutlineView& view, WindowPeer& parent);
}  // namespace backend

}  // namespace ui
