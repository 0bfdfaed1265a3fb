#include "ui/panel.h"

#include <algorithm>

#include "ui/exception.h"

namespace ui {

Panel::Panel(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 185, 41};
  peer_ = backend::NewPanelPeer(*this, *parent->Peer());
}

Panel::~Panel() = default;

Bounds Frame3D(Canvas& canvas, Bounds r, Color top_left, Color bottom_right, int width) {
  for (int i = 0; i < width && r.width > 0 && r.height > 0; ++i) {
    canvas.FillRect({r.left, r.top, r.width, 1}, top_left);
    canvas.FillRect({r.left, r.top, 1, r.height}, top_left);
    canvas.FillRect({r.left, r.Bottom() - 1, r.width, 1}, bottom_right);
    canvas.FillRect({r.Right() - 1, r.top, 1, r.height}, bottom_right);
    r = {r.left + 1, r.top + 1, r.width - 2, r.height - 2};
  }
  return r;
}

void Panel::HandleMouseDown(MouseButton button, Point at) {
  if (button == MouseButton::Left) pressed_ = true;
  Invoke([&] {
    if (OnMouseDown) OnMouseDown(button, at);
  });
}

void Panel::HandleMouseMove(Point at) {
  Invoke([&] {
    if (OnMouseMove) OnMouseMove(at);
  });
}

void Panel::HandleMouseUp(MouseButton button, Point at) {
  const bool clicked =
      button == MouseButton::Left && pressed_ && at.x >= 0 && at.y >= 0 && at.x < Width() && at.y < Height();
  if (button == MouseButton::Left) pressed_ = false;
  Invoke([&] {
    if (OnMouseUp) OnMouseUp(button, at);
    if (clicked && OnClick) OnClick();
  });
}

Bounds Panel::AlignArea() const {
  int inset = border_width_;
  for (BevelCut cut : {bevel_outer_, bevel_inner_}) inset += cut == BevelCut::None ? 0 : bevel_width_;
  Bounds area = WinControl::AlignArea();
  return {inset, inset, std::max(0, area.width - 2 * inset), std::max(0, area.height - 2 * inset)};
}

void Panel::HandlePaint(Canvas& canvas) {
  Size s = ClientSize();
  Bounds r{0, 0, s.width, s.height};
  auto bevel = [&](BevelCut cut) {
    if (cut == BevelCut::None) return;
    bool raised = cut == BevelCut::Raised;
    r = Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bevel_width_);
  };
  bevel(bevel_outer_);
  r = Frame3D(canvas, r, GetColor(), GetColor(), border_width_);
  bevel(bevel_inner_);
  if (!caption_.empty()) {
    Size t = TextExtent(GetFont(), caption_);
    canvas.TextOut(r.left + (r.width - t.width) / 2, r.top + (r.height - t.height) / 2, caption_, GetFont(), nullptr);
  }
  WinControl::HandlePaint(canvas);
}

}  // namespace ui
