#pragma once
// Controls without a window of their own, drawn on their parent's surface: Label, Shape, Bevel.

#include <string>

#include "ui/control.h"

namespace ui {

// A caption of one line, or several split at line feeds.
class Label : public Control {
 public:
  explicit Label(WinControl* parent);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);

  void Paint(Canvas& canvas) override;

 protected:
  void FontChanged() override;

 private:
  void FitToText();

  std::string caption_;
  bool transparent_ = false;
  bool auto_size_ = true;
};

enum class ShapeType { Rectangle, Square };

class Shape : public Control {
 public:
  explicit Shape(WinControl* parent);

  void SetShape(ShapeType t) {
    type_ = t;
    Invalidate();
  }
  void SetBrushColor(Color c) {
    brush_ = c;
    Invalidate();
  }
  void SetPen(Color c, int width = 1) {
    pen_ = c;
    pen_width_ = width;
    Invalidate();
  }
  Color BrushColor() const { return brush_; }
  Color PenColor() const { return pen_; }
  int PenWidth() const { return pen_width_; }

  void Paint(Canvas& canvas) override;

 private:
  ShapeType type_ = ShapeType::Rectangle;
  Color brush_ = clWhite;
  Color pen_ = clBlack;
  int pen_width_ = 1;
};

}  // namespace ui

namespace ui {

// A framed box cut into a window's surface, grouping what lies inside it.
class Bevel : public Control {
 public:
  explicit Bevel(WinControl* parent);
  // Raised, it stands out of the surface instead: lit above and left, shadowed below and right.
  bool Raised() const { return raised_; }
  void SetRaised(bool on) {
    raised_ = on;
    Invalidate();
  }
  void Paint(Canvas& canvas) override;

 private:
  bool raised_ = false;
};

}  // namespace ui
