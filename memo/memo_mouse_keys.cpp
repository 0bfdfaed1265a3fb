// The memo window has no caption bar: it is dragged by its own surface. The editor's bottom edge
// is dragged with the right button to change the height limit; a right click elsewhere opens the
// context menu; a few keys steer the marquee and the line counter.

#include "memo/memo_state.h"
#include "memo/memo_window.h"

namespace {

constexpr int kBottomZone = 10;  // the editor's bottom band that the right button drags
constexpr int kF1 = 0x70, kEnter = 0x0D, kBack = 0x08, kDelete = 0x2E;

}  // namespace

ui::HitArea TForm1::HitTest(ui::HitArea platform_answer) {
  return platform_answer == ui::HitArea::Client ? ui::HitArea::Caption : platform_answer;
}

// Every move repaints the whole window at once.
void TForm1::Moved() {
  Pace.Wake();
  Peer()->Redraw();
}

bool TForm1::InBottomZone(int y) const { return Edit1.Height() == Display.takasa && y > Edit1.Height() - kBottomZone; }

void TForm1::Edit1MouseDown(ui::MouseButton button, unsigned, int, int y) {
  Pace.Wake();
  if (button == ui::MouseButton::Right && InBottomZone(y)) {
    Memo.BottomDrag = true;
    PopupMenu1.SetAutoPopup(false);
  } else {
    PopupMenu1.SetAutoPopup(true);
  }
}

// The bottom edge stays two line heights below the pointer, so that the pointer stays over it.
void TForm1::Edit1MouseMove(unsigned, int, int y) {
  Pace.Wake();
  if (Memo.BottomDrag) {
    Edit1.SetHeight(y + 2 * FontPixels());
    Display.takasa = static_cast<std::uint16_t>(Edit1.Height() + 1);
    return;
  }
  if (InBottomZone(y)) {
    Edit1.SetCursor(ui::Cursor::VSplit);
  } else {
    Edit1.SetCursor(ui::Cursor::Default);
    Memo.BottomDrag = false;
  }
}

void TForm1::Edit1MouseUp(ui::MouseButton, unsigned, int, int) {
  Pace.Wake();
  Memo.BottomDrag = false;
}

void TForm1::Edit1KeyDown(int key, unsigned) {
  Pace.Wake();
  if (key == kF1 && Display.anime) Memo.TelopRunning = !Memo.TelopRunning;
  if (Memo.LineCounter == 0) return;
  if (key == kEnter && Edit1.Line(Memo.LineCounter + 1).empty()) {
    ++Memo.LineCounter;
  } else if (key == kDelete || key == kBack || key == kEnter) {
    if (Edit1.Width() < Display.haba) {
      Edit1.SetWordWrap(false);
      --Memo.LineCounter;
    }
  }
}
