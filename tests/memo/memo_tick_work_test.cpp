#include <string>

#include "memo/memo_size.h"
#include "settings/options_dialog.h"
#include "tests/memo/shown_memo.h"

namespace {

constexpr int kBigLines = 20'000;

// 20,000 lines in blocks of five lines of 76 characters and three empty ones: about 1 MB, every
// line narrower than the width limit, so that each tick measures and the probe steps over empties.
std::string BigText() {
  std::string block;
  for (int i = 0; i < 5; ++i) block += std::string(76, 'x') + "\r\n";
  block += "\r\n\r\n\r\n";
  std::string text;
  for (int i = 0; i < kBigLines / 8; ++i) text += block;
  return text;
}

class TickWork : public ShownMemo {
 protected:
  // Ticks one by one, each within four probe reads and four reads for the width, of which at
  // most four are measured.
  void ExpectBoundedTicks(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      ui::headless::ResetWork();
      ui::headless::FireTimers();
      EXPECT_LE(ui::headless::TextExtents(), 4) << "tick " << i;
      EXPECT_LE(ui::headless::LineReads(), 8) << "tick " << i;
    }
  }
};

}  // namespace

TEST_F(TickWork, AnEmptyMemoAndOneOfAMegabyteReadAtMostEightLinesATick) {
  ExpectBoundedTicks(5);

  memo().Edit1.SetText(BigText());
  ASSERT_GE(memo().Edit1.Text().size(), 950'000u);
  ExpectBoundedTicks(200);
  EXPECT_GT(Memo.LineCounter, 100) << "the probe went on through the text";
  EXPECT_EQ(memo().Edit1.Width(), 76 * 6 + 15) << "the width followed the lines";
}

// Ticks over a memo at rest ask no peer anything, and soon come five times a second instead of
// a hundred; the options window's timer runs only while it is shown. A change is noticed at the
// next tick all the same.
TEST_F(TickWork, TicksAtRestAskThePlatformNothingAndSlowDownTillTheNextChange) {
  app.CreateForm(OptionDlg);
  EXPECT_FALSE(OptionDlg->Timer1.Enabled()) << "hidden";
  memo().Edit1.SetText("a\r\nb");
  ui::headless::FireTimers(3);
  ui::headless::ResetWork();
  ui::headless::FireTimers(50);
  EXPECT_EQ(ui::headless::StateReads(), 0);
  EXPECT_EQ(memo().Timer1.Interval(), memo::kRestTickMs);

  memo().Edit1.SetSelStart(3);
  memo().Edit1.ReplaceSel("\r\nc\r\nd");
  EXPECT_EQ(memo().Timer1.Interval(), memo::kTickMs) << "woken by the change";
  ui::headless::FireTimers(3);
  EXPECT_EQ(memo().Edit1.Height(), memo::HeightOfLines(4, memo().Edit1.GetFont().PixelHeight())) << "grown";

  // A long text keeps the probe going, a line a tick, but is never laid out again.
  memo().Edit1.SetText(BigText());
  ui::headless::FireTimers(3);
  ui::headless::ResetWork();
  ui::headless::FireTimers(50);
  EXPECT_EQ(ui::headless::TextLayouts(), 0);
  EXPECT_EQ(memo().Timer1.Interval(), memo::kTickMs) << "still changing";

  OptionDlg->Show();
  ui::probe::Click(OptionDlg->CheckBox3);
  ui::headless::FireTimers();
  EXPECT_TRUE(OptionDlg->Button1.Enabled()) << "the colour button follows its box";
  OptionDlg->Hide();
  EXPECT_FALSE(OptionDlg->Timer1.Enabled());
}

TEST_F(TickWork, LinesAlreadyMeasuredAreMeasuredAgainOnlyInAnotherFont) {
  memo().Edit1.SetText("メモの一行目\r\nsecond line\r\n");
  ui::headless::FireTimers(3);
  ui::headless::ResetWork();
  ui::headless::FireTimers(100);
  EXPECT_EQ(ui::headless::TextExtents(), 0) << "a memo at rest";
  int width = memo().Edit1.Width();

  ui::Font larger = memo().GetFont();
  larger.height = -16;
  memo().SetFont(larger);
  ui::headless::FireTimers();
  EXPECT_GT(ui::headless::TextExtents(), 0);
  EXPECT_EQ(memo().Edit1.Width(), 6 * 16 + 15) << "six full-width characters of the larger font";
  EXPECT_GT(memo().Edit1.Width(), width);
}

// The lines read are those of the text as it is now laid out, after any change to it.
TEST_F(TickWork, LinesReadFollowEveryChangeOfTheTextAndItsLayout) {
  ui::RichEdit& edit = memo().Edit1;
  edit.SetWordWrap(true);
  edit.SetWidth(4 + 48);  // eight half-width characters of 6 pixels inside the border
  edit.SetText("aaaa bbbb cccc");
  EXPECT_EQ(edit.Line(0), "aaaa ");
  EXPECT_EQ(edit.Line(1), "bbbb ");
  EXPECT_EQ(edit.Line(2), "cccc");
  EXPECT_EQ(edit.Line(3), "");
  EXPECT_EQ(edit.Line(-1), "");

  edit.SetSel(0, 0);
  edit.ReplaceSel("zz");
  EXPECT_EQ(edit.Line(0), "zzaaaa ") << "an edit";

  edit.SetWidth(4 + 72);
  EXPECT_EQ(edit.Line(0), "zzaaaa bbbb ") << "a wider editor";

  edit.SetWordWrap(false);
  EXPECT_EQ(edit.Line(0), "zzaaaa bbbb cccc") << "word wrap off";
  edit.SetWidth(4 + 30);
  EXPECT_EQ(edit.Line(1), "") << "no wrap at any width";

  edit.SetWordWrap(true);
  edit.SetWidth(4 + 72);
  ui::Font big = edit.GetFont();
  big.height = -24;
  edit.SetFont(big);
  EXPECT_EQ(edit.Line(0), "zzaaaa") << "a larger font";

  edit.SetFont(memo().GetFont());
  edit.SetHeight(4 + 12);
  EXPECT_EQ(edit.Line(0), "zzaaaa bbbb ");
  edit.SetScrollBars(ui::ScrollBars::Vertical);
  EXPECT_EQ(edit.Line(0), "zzaaaa ") << "the scroll bar takes 16 pixels once the lines overflow";

  edit.SetText("");
  EXPECT_EQ(edit.Line(0), "");
  EXPECT_EQ(edit.LineCount(), 0);
}

// A tick held up by its own work (a resize of a long text, which the platform lays out anew)
// lets the next take in the lines of the ticks it held up: the memo reaches in one tick the
// shape that it reaches tick by tick, its widest line measured on the way, never past its height.
TEST_F(TickWork, ATickHeldUpTakesInTheLinesOfTheTicksItHeldUpToTheSameShape) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += (i == 9 ? std::string(60, 'w') : "line " + std::to_string(i)) + "\r\n";
  auto shape = [&] { return std::pair(memo().Edit1.GetBounds(), memo().GetBounds()); };
  memo().Edit1.SetText(text);
  ui::headless::FireTimers(80);
  const auto tick_by_tick = shape();
  ASSERT_EQ(memo().Edit1.Height(), Display.takasa);

  memo().ResetMemo();
  memo().Edit1.SetText(text);
  memo().Pace.Ticked(true, 1000);
  ui::headless::FireTimers();
  EXPECT_EQ(memo().Edit1.Height(), Display.takasa) << "all the way, and no further";
  EXPECT_EQ(memo().Edit1.Width(), tick_by_tick.first.width) << "the wide line was measured on the way";
  ui::headless::FireTimers(80);
  EXPECT_EQ(shape(), tick_by_tick);
}
