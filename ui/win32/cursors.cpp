#include "ui/screen.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform has no cursor for dragging an item: the arrow carries a small page, drawn here
// ('X' black, 'o' white, '.' the screen shows through).
constexpr const char* kDragShape[32] = {
    "X...............................", "XX..............................", "XoX.............................",
    "XooX............................", "XoooX...........................", "XooooX..........................",
    "XoooooX.........................", "XooooooX........................", "XoooooooX.......................",
    "XooooooooX......................", "XoooooXXXXX.....................", "XooXooX.........................",
    "XoX.XooX........................", "XX..XooX........................", "X....XooX.......................",
    ".....XooX.......................", "......XX........................", "........XXXXXXXXXX..............",
    "........XooooooooX..............", "........XoXXXXXXoX..............", "........XooooooooX..............",
    "........XoXXXXXXoX..............", "........XooooooooX..............", "........XoXXXXoooX..............",
    "........XooooooooX..............", "........XXXXXXXXXX..............", "................................",
    "................................", "................................", "................................",
    "................................", "................................"};

HCURSOR MakeDragCursor() {
  BYTE and_mask[32 * 4] = {}, xor_mask[32 * 4] = {};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
      char c = kDragShape[y][x];
      if (c == '.') and_mask[y * 4 + x / 8] |= bit;
      if (c == 'o') xor_mask[y * 4 + x / 8] |= bit;
    }
  }
  return CreateCursor(Instance(), 0, 0, 32, 32, and_mask, xor_mask);
}

}  // namespace

// The handles live as long as the process, so that the same cursor is always the same handle.
HCURSOR CursorHandle(Cursor cursor) {
  switch (cursor) {
    case Cursor::HourGlass:
      return LoadCursorA(nullptr, IDC_WAIT);
    case Cursor::Drag: {
      static HCURSOR drag = MakeDragCursor();
      return drag;
    }
    case Cursor::HSplit:
      return LoadCursorA(nullptr, IDC_SIZEWE);
    case Cursor::VSplit:
      return LoadCursorA(nullptr, IDC_SIZENS);
    case Cursor::Default:
      break;
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace ui::win32
