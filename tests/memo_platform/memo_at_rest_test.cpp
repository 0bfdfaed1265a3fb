// The memo window on whichever backend is linked in: the headless desktop, or the platform
// under Wine.

#include "tests/memo_platform/memo_on_platform.h"

// Every tick assigns the window's size and place, the editor's, and the title line's
// visibility; at rest they are the values already there, which must cost the platform nothing.
TEST_F(MemoOnThePlatform, AThousandTicksAtRestCauseNoMoveResizeOrPaint) {
  Form1->Edit1.SetText("メモの一行目\r\nsecond line");
  for (int i = 0; i < 5; ++i) Form1->Timer1Timer();
  ui::probe::Pump();
  int moves = ui::probe::NativeMoves(*Form1), resizes = ui::probe::NativeResizes(*Form1);
  int paints = ui::probe::NativePaints(*Form1);
  ui::Bounds place = ui::probe::NativeBounds(*Form1);

  for (int i = 0; i < 1000; ++i) Form1->Timer1Timer();
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeMoves(*Form1), moves);
  EXPECT_EQ(ui::probe::NativeResizes(*Form1), resizes);
  EXPECT_EQ(ui::probe::NativePaints(*Form1), paints);
  EXPECT_EQ(ui::probe::NativeBounds(*Form1), place);
}
