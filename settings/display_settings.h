#pragma once
// The memo window's display options as the program holds them while it runs; the settings file
// keeps all but ChosenFontColor and PreviousHaba. Each field is named after its settings key.

#include <cstdint>

#include "ui/types.h"

struct DisplaySettings {
  std::uint16_t haba = 487;          // width of the fixed memo size, in pixels (80 half-width characters)
  std::uint16_t takasa = 199;        // height of the fixed memo size, in pixels (16 lines)
  ui::Color backcolor = 0;           // the background while fixcolor is on
  bool gamen = true;                 // the memo window moved back onto the screen when it leaves it
  bool anime = false;                // marquee: the memo window runs across the screen
  bool fixfont = true;               // a fixed-pitch font in the fixed size
  bool mojikesi = false;             // the title line's text hidden
  bool fixcolor = false;             // backcolor, not a background chosen at random at each showing
  bool fontcolor = false;            // the chosen font colour instead of black
  bool flex = true;                  // the memo window grows and shrinks to fit its text
  bool hanten = false;               // the title line's colours inverted
  bool Bar = false;                  // scroll bars on the memo's editor
  bool fontbold = false;             // a bold memo font
  ui::Color ChosenFontColor = 0;     // the font colour picked in the options window in this run
  std::uint16_t PreviousHaba = 487;  // haba as it was before the options window's last OK
};
