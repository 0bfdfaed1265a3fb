#include "ui/headless/world.h"

#include <cstdio>
#include <cstdlib>

#include "ui/cp932.h"

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

Size MeasureText(const Font& font, std::string_view text) {
  int h = font.PixelHeight();
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = cp932::CharLength(text, i);
    width += n == 2 ? h : h / 2;
    i += n;
  }
  return {width, h};
}

}  // namespace ui::headless
