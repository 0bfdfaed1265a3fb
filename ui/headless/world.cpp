#include "ui/headless/world.h"

#include <cstdio>
#include <cstdlib>

#include "core/cp932.h"

namespace ui::headless {

World& TheWorld() {
  static World world;
  return world;
}

void ResetWorld() { TheWorld() = World{}; }

void Fault(const std::string& what) {
  World& w = TheWorld();
  if (w.on_fault) {
    w.on_fault(what);
    return;
  }
  std::fprintf(stderr, "headless backend: %s\n", what.c_str());
  std::abort();
}

int TextWidth(std::string_view text, int h) {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = core::cp932::CharLength(text, i);
    width += CharWidth(n, h);
    i += n;
  }
  return width;
}

Size MeasureText(const Font& font, std::string_view text) {
  int h = font.PixelHeight();
  return {TextWidth(text, h), h};
}

}  // namespace ui::headless
