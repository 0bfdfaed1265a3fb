#include "ui/graphic_controls.h"

#include <algorithm>

namespace ui {

Label::Label(WinControl* parent) : Control(parent) { bounds_ = {0, 0, 0, 0}; }

void Label::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  FitToText();
  Invalidate();
}

void Label::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void Label::SetAutoSize(bool on) {
  auto_size_ = on;
  FitToText();
}

void Label::FontChanged() {
  FitToText();
  Control::FontChanged();
}

void Label::FitToText() {
  if (!auto_size_) return;
  Size s = TextExtent(GetFont(), caption_);
  Bounds b = bounds_;
  SetBounds({b.left, b.top, s.width, s.height});
}

void Label::Paint(Canvas& canvas) {
  Bounds b = GetBounds();
  Color background = GetColor();
  if (!transparent_) canvas.FillRect(b, background);
  if (!caption_.empty()) canvas.TextOut(b.left, b.top, caption_, GetFont(), nullptr);
}

Shape::Shape(WinControl* parent) : Control(parent) { bounds_ = {0, 0, 65, 65}; }

// The outline lies inside the shape's bounds; a square takes the shorter side, centred.
void Shape::Paint(Canvas& canvas) {
  Bounds b = GetBounds();
  if (type_ == ShapeType::Square) {
    int side = std::min(b.width, b.height);
    b = {b.left + (b.width - side) / 2, b.top + (b.height - side) / 2, side, side};
  }
  canvas.Rectangle(b, pen_, pen_width_, brush_, true);
}

}  // namespace ui
