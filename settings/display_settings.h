#pragma once
// The memo window's display options as the program holds them while it runs; the settings file
// keeps all but ChosenFontColor and PreviousHaba.

#include <cstdint>

#include "ui/types.h"

struct DisplaySettings {
  std::uint16_t haba = 487, takasa = 199;
  ui::Color backcolor = 0;
  bool gamen = true, anime = false, fixfont = true, mojikesi = false, fixcolor = false, fontcolor = false,
       flex = true, hanten = false, Bar = false, fontbold = false;
  ui::Color ChosenFontColor = 0;
  std::uint16_t PreviousHaba = 487;
};
