#pragma once
// The program's name as a logo: its letters drawn one by one in their own colours, the wave
// dash drawn as a bar, and the version beside it. The help window and the version box place it.

#include "ui/graphic_controls.h"

namespace help {

struct LogoParts {
  ui::Label& first;
  ui::Label& second;
  ui::Shape& bar;
  ui::Label& last;
  ui::Label& version;
};

struct LogoPlaces {
  ui::Point first, second;
  ui::Bounds bar;
  ui::Point last, version;
  ui::Color version_color = ui::clBlack;
};

void PlaceLogo(const LogoParts& parts, const LogoPlaces& at);

}  // namespace help
