#pragma once
// The memo window's state and its display settings, shared by the palette, the options dialog
// and the memo commands for the whole run.

#include <cstdint>

#include "settings/display_settings.h"

struct MemoState {
  std::uint16_t LineCounter = 2;  // lines the editor's height follows
  bool HeightCapped = false;      // the editor has reached takasa
  bool WidthLocked = false;       // scroll bar on and the editor at haba: no more widening
  bool TelopRunning = false;      // the marquee runs
  bool FileMode = false;          // the editor holds a file opened with the open command
  bool BottomDrag = false;        // the editor's bottom edge is being dragged
};

extern MemoState Memo;
extern DisplaySettings Display;
