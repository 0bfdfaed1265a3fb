#pragma once
// The primary display, the mouse cursor over the program's windows, and the system's sounds.

namespace ui {

// The platform's cursors by the codes the program knows them by.
enum class Cursor : int { Default = 0, HourGlass = -11, Drag = -12, HSplit = -14, VSplit = -15 };

namespace Screen {
int Width();
int Height();
// The cursor shown over every window of the program until it is set back to Default.
void SetCursor(Cursor cursor);
Cursor GetCursor();
}  // namespace Screen

// The default system beep.
void Beep();

}  // namespace ui
