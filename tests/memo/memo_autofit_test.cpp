#include "tests/memo/shown_memo.h"

namespace {

// Its timer fired by the test, its editor typed into.
class AutoFit : public ShownMemo {
 protected:
  void Tick(int times = 1) { ui::headless::FireTimers(times); }
  void Type(const std::string& text) { ui::probe::Type(memo().Edit1, text); }
};

}  // namespace

TEST_F(AutoFit, AnEmptyMemoIsTenCharactersByTwoLinesInAWindowAroundIt) {
  Tick(3);
  EXPECT_EQ(memo().Edit1.GetBounds(), (ui::Bounds{10, 15, 60, 31}));
  EXPECT_EQ(memo().Width(), 80);
  EXPECT_EQ(memo().Height(), 56);
}

TEST_F(AutoFit, ALongLineWidensTheEditorUntilTheWidthLimitSwitchesToWordWrap) {
  Type(std::string(20, 'a'));  // 120 pixels in the window's font
  Tick();
  EXPECT_EQ(memo().Edit1.Width(), 120 + 15);
  EXPECT_EQ(memo().Width(), 135 + 20);
  EXPECT_FALSE(memo().Edit1.WordWrap());
  EXPECT_EQ(memo().Edit1.GetFont().name, kProportional);

  memo().Edit1.SelectAll();
  memo().Edit1.ReplaceSel("short");
  Tick(3);
  EXPECT_EQ(memo().Edit1.Width(), 135) << "deleting never narrows the editor in a tick";

  memo().Edit1.SetSel(5, 0);
  Type(std::string(90, 'b'));
  Tick();
  EXPECT_EQ(memo().Edit1.Width(), 487);
  EXPECT_TRUE(memo().Edit1.WordWrap());
  EXPECT_EQ(memo().Edit1.GetFont().name, kFixedPitch);
}

TEST_F(AutoFit, WithoutTheFixedPitchFontTheProportionalOneStaysAtTheLimit) {
  Display.fixfont = false;
  Type(std::string(100, 'x'));
  Tick();
  EXPECT_EQ(memo().Edit1.Width(), 487);
  EXPECT_EQ(memo().Edit1.GetFont().name, kProportional);
}

TEST_F(AutoFit, TheHeightFollowsTheLinesThroughUpToThreeEmptyOnesUntilItReachesTakasa) {
  Type("1\r\n2\r\n3\r\n\r\n\r\n\r\n7");
  Tick(10);
  EXPECT_EQ(Memo.LineCounter, 7);
  EXPECT_EQ(memo().Edit1.Height(), 7 * 12 + 7);

  memo().Edit1.SetText("1\r\n2\r\n3\r\n\r\n\r\n\r\n\r\n8");
  Memo.LineCounter = 2;
  Tick(10);
  EXPECT_EQ(Memo.LineCounter, 3) << "four empty lines stop the count";

  std::string tall;
  for (int i = 0; i < 20; ++i) tall += "line\r\n";
  memo().Edit1.SetText(tall);
  Tick(25);
  EXPECT_EQ(memo().Edit1.Height(), 199);
  EXPECT_TRUE(Memo.HeightCapped);
  memo().Edit1.SetText("one");
  Memo.LineCounter = 2;
  Tick(3);
  EXPECT_EQ(memo().Edit1.Height(), 199) << "takasa holds until the memo is cleared";
}

TEST_F(AutoFit, WithFlexOffOnlyTheWindowAndTheTitleLineFollow) {
  Display.flex = false;
  memo().Hide();
  memo().Show();
  Type(std::string(200, 'y'));
  Tick();
  EXPECT_EQ(memo().Edit1.Width(), 487);
  EXPECT_EQ(memo().Edit1.Height(), 199);
  EXPECT_EQ(memo().Width(), 507);
  EXPECT_EQ(memo().Height(), 224);
  Display.mojikesi = true;
  Tick();
  EXPECT_FALSE(memo().Label1.Visible());
  EXPECT_FALSE(memo().Label2.Visible());
  Display.mojikesi = false;
  Tick();
  EXPECT_TRUE(memo().Label1.Visible());
}

TEST_F(AutoFit, TheWindowIsKeptOnTheScreenUnlessTheEditorIsAsLargeAsTheScreen) {
  Tick();
  ui::probe::MoveByUser(memo(), {1000, 740});
  Tick();
  EXPECT_EQ(memo().Left(), 1024 - 80);
  EXPECT_EQ(memo().Top(), 768 - 56);
  ui::probe::MoveByUser(memo(), {-30, -5});
  Tick();
  EXPECT_EQ(memo().Left(), 0);
  EXPECT_EQ(memo().Top(), 0);

  Display.gamen = false;
  ui::probe::MoveByUser(memo(), {-30, -5});
  Tick();
  EXPECT_EQ(memo().Left(), -30);
}

TEST_F(AutoFit, TheMarqueeCreepsLeftAndReentersBeyondTheRightEdge) {
  Tick();
  Memo.TelopRunning = true;
  ui::probe::MoveByUser(memo(), {-178, 300});
  Tick();
  EXPECT_EQ(memo().Left(), -180);
  Tick();
  EXPECT_EQ(memo().Left(), 1024 + 100);
  EXPECT_EQ(memo().Top(), 300) << "the screen keeping does not apply to the marquee";
}

TEST_F(AutoFit, EachChangeWritesTheTimeIntoTheTitleLineExceptForAnOpenedFile) {
  ui::headless::SetNow(1796819696);
  Type("a");
  EXPECT_EQ(memo().Label1.Caption(), "12:34:56");
  Memo.FileMode = true;
  memo().Label1.SetCaption("C:\\メモ\\file.txt");
  ui::headless::SetNow(1796819700);
  Type("b");
  EXPECT_EQ(memo().Label1.Caption(), "C:\\メモ\\file.txt");
}
