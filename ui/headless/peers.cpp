#include "ui/headless/peers.h"

#include "ui/form.h"
#include "ui/headless/form_peer.h"
#include "ui/headless/world.h"

namespace ui::headless {

WindowPeerImpl& PeerOf(const WinControl& control) { return dynamic_cast<WindowPeerImpl&>(*control.Peer()); }

void WindowPeerImpl::TakeFocus() {
  World& w = TheWorld();
  if (w.focus == &control_) return;
  w.focus = &control_;
  FocusGained();
}

// Each window lies in its parent's client area; the top one's client area lies inside its frame.
Point WindowPeerImpl::ClientToScreen(Point at) const {
  const WinControl* c = &control_;
  for (; c->Parent(); c = c->Parent()) {
    const Bounds& b = PeerOf(*c).bounds();
    at = {at.x + b.left, at.y + b.top};
  }
  const auto* form = dynamic_cast<const Form*>(c);
  if (!form) return at;
  const FormPeerImpl& top = PeerOf(*form);
  Point origin = top.ClientOrigin();
  return {at.x + top.bounds().left + origin.x, at.y + top.bounds().top + origin.y};
}

void WindowPeerImpl::SetBounds(const Bounds& b) {
  if (b.left != bounds_.left || b.top != bounds_.top) ++moves_;
  if (b.width != bounds_.width || b.height != bounds_.height) ++resizes_;
  bounds_ = b;
  invalid_ = true;
}

// Like the platform's invalidation with all children: the window and its windowed children.
void WindowPeerImpl::Invalidate(const Bounds&) {
  invalid_ = true;
  for (Control* c : control_.Controls()) {
    if (c->IsWindowed()) static_cast<WinControl*>(c)->Peer()->Invalidate({});
  }
}

void WindowPeerImpl::Update() {
  if (!visible_) return;
  if (invalid_) Paint();
  for (Control* c : control_.Controls()) {
    if (c->IsWindowed()) static_cast<WinControl*>(c)->Peer()->Update();
  }
}

void WindowPeerImpl::Paint() {
  BeforePaint();
  invalid_ = false;
  ++paints_;
  RecordingCanvas canvas;
  control_.HandleEraseBackground(canvas);
  control_.HandlePaint(canvas);
  World& w = TheWorld();
  w.paints.push_back({&control_, std::move(canvas.texts)});
  if (w.on_paint) w.on_paint(control_);
}

}  // namespace ui::headless

namespace ui {

Size TextExtent(const Font& font, std::string_view text) {
  ++headless::TheWorld().text_extents;
  return headless::MeasureText(font, text);
}

}  // namespace ui
