#pragma once
// The primary display and the system's sounds.

namespace ui {

namespace Screen {
int Width();
int Height();
}  // namespace Screen

// The default system beep.
void Beep();

}  // namespace ui
