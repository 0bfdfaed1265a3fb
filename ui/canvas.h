#pragma once
// Drawing primitives a backend offers; what a control draws is written once, in ui/.

#include <string>
#include <string_view>

#include "ui/types.h"

namespace ui {

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Bounds& r, Color color) = 0;
  // The outline is drawn inside r, pen_width pixels wide; no fill when filled is false.
  virtual void Rectangle(const Bounds& r, Color pen, int pen_width, Color brush, bool filled) = 0;
  // Text at (x, y), its background filled with *background unless it is null (transparent).
  virtual void TextOut(int x, int y, std::string_view text, const Font& font, const Color* background) = 0;
  // A bitmap of the program's resources; its bottom-left pixel's colour is see-through.
  virtual void DrawBitmap(int x, int y, const std::string& resource) = 0;
};

// Width and height of a line of text in a font, as the platform lays it out.
Size TextExtent(const Font& font, std::string_view text);

}  // namespace ui
