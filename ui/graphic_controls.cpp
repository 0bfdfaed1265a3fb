#include "ui/graphic_controls.h"

#include <algorithm>
#include <vector>

#include "ui/panel.h"

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

namespace {
// A caption's lines: a line feed starts a new one.
std::vector<std::string> CaptionLines(const std::string& caption) {
  std::vector<std::string> lines(1);
  for (char c : caption) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}
}  // namespace

void Label::FitToText() {
  if (!auto_size_) return;
  Size s{0, 0};
  for (const std::string& line : CaptionLines(caption_)) {
    Size l = TextExtent(GetFont(), line);
    s.width = std::max(s.width, l.width);
    s.height += l.height;
  }
  Bounds b = bounds_;
  SetBounds({b.left, b.top, s.width, s.height});
}

void Label::Paint(Canvas& canvas) {
  Bounds b = GetBounds();
  Color background = GetColor();
  if (!transparent_) canvas.FillRect(b, background);
  if (caption_.empty()) return;
  int y = b.top;
  for (const std::string& line : CaptionLines(caption_)) {
    if (!line.empty()) canvas.TextOut(b.left, y, line, GetFont(), nullptr);
    y += TextExtent(GetFont(), line.empty() ? std::string(" ") : line).height;
  }
}

Bevel::Bevel(WinControl* parent) : Control(parent) { bounds_ = {0, 0, 50, 50}; }

// A frame cut into the surface: a shadowed line with a highlight inside and below it.
void Bevel::Paint(Canvas& canvas) {
  Bounds b = GetBounds();
  if (raised_) {
    Frame3D(canvas, b, clBtnHighlight, clBtnShadow, 1);
    return;
  }
  Frame3D(canvas, {b.left, b.top, b.width - 1, b.height - 1}, clBtnShadow, clBtnShadow, 1);
  Frame3D(canvas, {b.left + 1, b.top + 1, b.width - 1, b.height - 1}, clBtnHighlight, clBtnHighlight, 1);
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
