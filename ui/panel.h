#pragma once
// A panel: a container with raised or lowered bevels and an optional centred caption.

#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"
#include "ui/screen.h"

namespace ui {

enum class BevelCut { None, Lowered, Raised };

class Panel : public WinControl {
 public:
  explicit Panel(WinControl* parent);
  ~Panel() override;

  WindowPeer* Peer() const override { return peer_.get(); }

  // The frame: outer bevel, border, inner bevel; aligned children sit inside it.
  void SetBevelOuter(BevelCut c) {
    bevel_outer_ = c;
    FrameChanged();
  }
  void SetBevelInner(BevelCut c) {
    bevel_inner_ = c;
    FrameChanged();
  }
  void SetBevelWidth(int w) {
    bevel_width_ = w;
    FrameChanged();
  }
  void SetBorderWidth(int w) {
    border_width_ = w;
    FrameChanged();
  }
  void SetCaption(const std::string& c) {
    caption_ = c;
    Invalidate();
  }
  BevelCut BevelOuter() const { return bevel_outer_; }
  BevelCut BevelInner() const { return bevel_inner_; }
  int BevelWidth() const { return bevel_width_; }
  const std::string& Caption() const { return caption_; }
  // The cursor while the pointer is over the panel itself, as over a split between two panes;
  // the platform asks for it as the pointer moves.
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }

  // The pointer over the panel, in its client coordinates; a press captures it until the release.
  std::function<void(MouseButton button, Point at)> OnMouseDown, OnMouseUp;
  std::function<void(Point at)> OnMouseMove;
  // The left button pressed on the panel and released on it: the panel clicked as a whole.
  std::function<void()> OnClick;

  // Entry points of the backend.
  void HandleMouseDown(MouseButton button, Point at);
  void HandleMouseMove(Point at);
  void HandleMouseUp(MouseButton button, Point at);
  void HandlePaint(Canvas& canvas) override;
  Bounds AlignArea() const override;

 private:
  void FrameChanged() {
    Realign();
    Invalidate();
  }

  BevelCut bevel_outer_ = BevelCut::Raised;
  BevelCut bevel_inner_ = BevelCut::None;
  int bevel_width_ = 1;
  int border_width_ = 0;
  std::string caption_;
  Cursor cursor_ = Cursor::Default;
  bool pressed_ = false;
  std::unique_ptr<WindowPeer> peer_;
};

// Draws a 3-D frame of `width` pixels inside r and returns what lies within it.
Bounds Frame3D(Canvas& canvas, Bounds r, Color top_left, Color bottom_right, int width);

}  // namespace ui
