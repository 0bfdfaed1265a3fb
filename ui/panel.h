#pragma once
// A panel: a container with raised or lowered bevels and an optional centred caption.

#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

enum class BevelCut { None, Lowered, Raised };

class Panel : public WinControl {
 public:
  explicit Panel(WinControl* parent);
  ~Panel() override;

  WindowPeer* Peer() const override { return peer_.get(); }

  // The frame: outer bevel, border, inner bevel; aligned children sit inside it.
  void SetBevelOuter(BevelCut c) { bevel_outer_ = c; FrameChanged(); }
  void SetBevelInner(BevelCut c) { bevel_inner_ = c; FrameChanged(); }
  void SetBevelWidth(int w) { bevel_width_ = w; FrameChanged(); }
  void SetBorderWidth(int w) { border_width_ = w; FrameChanged(); }
  void SetCaption(const std::string& c) { caption_ = c; Invalidate(); }
  BevelCut BevelOuter() const { return bevel_outer_; }
  BevelCut BevelInner() const { return bevel_inner_; }
  int BevelWidth() const { return bevel_width_; }
  const std::string& Caption() const { return caption_; }

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
  std::unique_ptr<WindowPeer> peer_;
};

// Draws a 3-D frame of `width` pixels inside r and returns what lies within it.
Bounds Frame3D(Canvas& canvas, Bounds r, Color top_left, Color bottom_right, int width);

}  // namespace ui
