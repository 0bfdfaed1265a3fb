#pragma once
// The outline view: one row per shown item of its tree model, indented by level, with a picture
// for open, closed and leaf items. It follows the model's selection and turns a click on a row
// into the model's click notification.

#include <functional>
#include <memory>

#include "core/outline_tree.h"
#include "ui/control.h"

namespace ui {

class OutlineView : public WinControl {
 public:
  static constexpr int kRowHeight = 14;
  static constexpr int kPictureSize = 14;
  static constexpr int kIndent = 14;

  explicit OutlineView(WinControl* parent);
  ~OutlineView() override;

  WindowPeer* Peer() const override { return peer_.get(); }
  core::OutlineTree& Items() { return items_; }
  const core::OutlineTree& Items() const { return items_; }
  // Takes another tree's items, as read from a file; the view's notification stays attached.
  void ReplaceItems(core::OutlineTree&& items);

  // The model's click notification: a row was clicked, or the selection moved to another row.
  std::function<void()> OnClick;
  // The view receives the keyboard focus.
  std::function<void()> OnEnter;

  // The row (0 for the first shown one) at the top of the view, and the item shown in a row at
  // a height in the view; 0 below the last row.
  int ItemAtY(int y) const;

  // Entry points of the backend.
  void HandleMouseDown(Point at);
  void HandleEnter();
  void HandlePaint(Canvas& canvas) override;

 private:
  void SelectionMoved();
  void KeepSelectionInView();
  int RowsInView() const;

  core::OutlineTree items_;
  std::unique_ptr<WindowPeer> peer_;
  int top_row_ = 0;
};

namespace backend {
std::unique_ptr<WindowPeer> NewOutlinePeer(OutlineView& view, WindowPeer& parent);
}  // namespace backend

}  // namespace ui
