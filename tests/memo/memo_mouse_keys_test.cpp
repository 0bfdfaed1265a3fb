#include "tests/memo/shown_memo.h"

namespace {

constexpr int kF1 = 0x70, kEnter = 0x0D, kBack = 0x08;

class MouseAndKeys : public ShownMemo {
 protected:
  // An editor exactly takasa high, as a show with flex off leaves it.
  void AtTheHeightLimit() {
    Display.flex = false;
    memo().Hide();
    memo().Show();
    ui::headless::FireTimers();
  }
};

}  // namespace

TEST_F(MouseAndKeys, TheWindowsOwnSurfaceMovesItAndTheScreenKeepingBringsItBack) {
  EXPECT_EQ(ui::probe::NativeHitTest(memo(), {3, 3}), ui::HitArea::Caption);
  EXPECT_EQ(ui::probe::NativeHitTest(memo(), {3, -3}), ui::HitArea::Other) << "outside the window";
  ui::headless::FireTimers();
  ui::probe::DragSurface(memo(), {3, 3}, {990, 300});
  EXPECT_EQ(memo().Left(), 990);
  ui::headless::FireTimers();
  EXPECT_EQ(memo().Left(), 1024 - memo().Width()) << "flush with the right edge after the next tick";
}

TEST_F(MouseAndKeys, TheRightButtonDragsTheBottomEdgeAndOpensNoMenuForThatPress) {
  AtTheHeightLimit();
  ASSERT_EQ(memo().Edit1.Height(), 199);
  ui::probe::MouseMove(memo().Edit1, {20, 195});
  EXPECT_EQ(ui::probe::NativeCursorOver(memo().Edit1), ui::Cursor::VSplit);

  ui::probe::MouseDown(memo().Edit1, ui::MouseButton::Right, {20, 195});
  EXPECT_TRUE(Memo.BottomDrag);
  ui::probe::MouseMove(memo().Edit1, {20, 100});
  EXPECT_EQ(memo().Edit1.Height(), 124);
  EXPECT_EQ(Display.takasa, 125);
  ui::probe::MouseUp(memo().Edit1, ui::MouseButton::Right, {20, 100});
  EXPECT_EQ(ui::headless::MenusOpened(), 0) << "the press that started the drag opens no menu";
  EXPECT_FALSE(Memo.BottomDrag);

  ui::headless::FireTimers();
  EXPECT_EQ(memo().Height(), 124 + 25) << "the window follows the editor";
  ui::probe::MouseMove(memo().Edit1, {20, 120});
  EXPECT_EQ(ui::probe::NativeCursorOver(memo().Edit1), ui::Cursor::Default)
      << "one pixel lower than takasa, the edge is no longer active";
}

TEST_F(MouseAndKeys, ARightClickOpensTheContextMenuWhileTheEditorIsStillGrowing) {
  ui::headless::FireTimers();
  int bottom = memo().Edit1.Height() - 2;
  ui::probe::MouseDown(memo().Edit1, ui::MouseButton::Right, {20, bottom});
  ui::probe::MouseUp(memo().Edit1, ui::MouseButton::Right, {20, bottom});
  EXPECT_EQ(ui::headless::MenusOpened(), 1);
  EXPECT_FALSE(Memo.BottomDrag);
}

TEST_F(MouseAndKeys, F1StartsAndStopsTheMarqueeOnlyWithAnime) {
  ui::probe::PressKey(memo().Edit1, kF1);
  EXPECT_FALSE(Memo.TelopRunning);
  Display.anime = true;
  ui::probe::PressKey(memo().Edit1, kF1);
  EXPECT_TRUE(Memo.TelopRunning);
  ui::headless::FireTimers();
  int left = memo().Left();
  ui::probe::PressKey(memo().Edit1, kF1);
  ui::headless::FireTimers();
  EXPECT_EQ(memo().Left(), left) << "a second F1 stops it where the window stands";
}

TEST_F(MouseAndKeys, BackspaceAndEnterSteerTheLineCounter) {
  memo().Edit1.SetText("1\r\n2\r\n3\r\n4\r\n5");
  Memo.LineCounter = 5;
  memo().Edit1.SetSel(0, 0);
  ui::probe::PressKey(memo().Edit1, kBack);
  EXPECT_EQ(Memo.LineCounter, 4);
  EXPECT_FALSE(memo().Edit1.WordWrap());

  Memo.LineCounter = 5;
  memo().Edit1.SetWidth(Display.haba);
  ui::probe::PressKey(memo().Edit1, kBack);
  EXPECT_EQ(Memo.LineCounter, 5) << "at the width limit the keys leave the counter alone";

  memo().Edit1.SetWidth(60);
  memo().Edit1.SetText("one");
  Memo.LineCounter = 2;
  memo().Edit1.SetSel(3, 0);
  ui::probe::PressKey(memo().Edit1, kEnter);
  EXPECT_EQ(Memo.LineCounter, 3) << "Enter at the end of the text, the next line empty";
  EXPECT_EQ(memo().Edit1.Text(), "one\r\n");

  Memo.LineCounter = 0;
  ui::probe::PressKey(memo().Edit1, kBack);
  EXPECT_EQ(Memo.LineCounter, 0) << "a counter of 0 is never decreased";
}
