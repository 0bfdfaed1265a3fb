#include "ui/speed_button.h"

#include "ui/exception.h"
#include "ui/panel.h"

namespace ui {

namespace {
constexpr int kGlyphSize = 23;
}

SpeedButton::SpeedButton(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 25, 25};
  peer_ = backend::NewSpeedButtonPeer(*this, *parent->Peer());
}

SpeedButton::~SpeedButton() = default;

void SpeedButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  Invalidate();
  if (Peer()) Peer()->Invalidate({0, 0, Width(), Height()});
}

void SpeedButton::SetGlyph(const std::string& resource) {
  glyph_ = resource;
  if (Peer()) Peer()->Invalidate({0, 0, Width(), Height()});
}

void SpeedButton::Click() {
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

void SpeedButton::HandleMouseDown() {
  if (!Enabled()) return;
  down_ = true;
  Repaint();
}

// The press counts only when the button comes up over the button itself.
void SpeedButton::HandleMouseUp(bool inside) {
  if (!down_) return;
  down_ = false;
  Repaint();
  if (inside) Click();
}

bool SpeedButton::HandleEraseBackground(Canvas& canvas) {
  canvas.FillRect({0, 0, Width(), Height()}, GetColor());
  return true;
}

// Flat: no frame at rest, a sunken one while held down; the face moves with the press.
void SpeedButton::HandlePaint(Canvas& canvas) {
  Bounds face{0, 0, Width(), Height()};
  int shift = 0;
  if (down_) {
    Frame3D(canvas, face, clBtnShadow, clBtnHighlight, 1);
    shift = 1;
  }
  if (!glyph_.empty()) {
    canvas.DrawBitmap((Width() - kGlyphSize) / 2 + shift, (Height() - kGlyphSize) / 2 + shift, glyph_);
  }
  if (!caption_.empty()) {
    Size t = TextExtent(GetFont(), caption_);
    canvas.TextOut((Width() - t.width) / 2 + shift, (Height() - t.height) / 2 + shift, caption_, GetFont(), nullptr);
  }
}

}  // namespace ui
