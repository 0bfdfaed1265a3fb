#include <algorithm>

#include "tests/memo/shown_memo.h"

namespace {

using Log = std::vector<std::string>;

// The memo shown at the top right of the screen, over the windows of other programs.
class Backdrop : public ShownMemo {
 protected:
  void SetUp() override {
    ShownMemo::SetUp();
    ui::headless::FireTimers(3);
    ASSERT_EQ(memo().GetBounds(), (ui::Bounds{864, 0, 80, 56}));
    ui::headless::ClearDesktopLog();
    editor.repaints = calendar.repaints = 0;
  }
  int Count(const std::string& event) const {
    const Log& log = ui::headless::DesktopLog();
    return static_cast<int>(std::count(log.begin(), log.end(), event));
  }

  ui::headless::ForeignWindow& editor = ui::headless::PlantWindow("Editor", {700, 0, 324, 300});
  ui::headless::ForeignWindow& calendar = ui::headless::PlantWindow("Calendar", {0, 500, 200, 200});
};

}  // namespace

TEST_F(Backdrop, APaintLetsTheWindowsBeneathRepaintWhileTheMemoIsOffTheScreen) {
  memo().Repaint();
  EXPECT_EQ(ui::headless::DesktopLog(), (Log{"hide TForm1", "repaint Editor", "backdrop TForm1", "show TForm1"}));
  EXPECT_EQ(ui::headless::BackdropOf(memo()), (Log{"Editor"}));
  EXPECT_EQ(editor.repaints, 1);
  EXPECT_EQ(calendar.repaints, 0) << "a window away from the memo is left alone";
}

TEST_F(Backdrop, TheTitleLineIsDrawnOverTheBackdropTheMarginShows) {
  ui::probe::Type(memo().Edit1, "a");
  memo().Repaint();
  const auto& paints = ui::headless::Paints();
  auto last = std::find_if(paints.rbegin(), paints.rend(), [&](const auto& p) { return p.control == &memo(); });
  ASSERT_NE(last, paints.rend());
  EXPECT_EQ(last->texts, (Log{"12:34:56", "12:34:56"})) << "the shadow, then the title line";
  EXPECT_EQ(Count("backdrop TForm1"), 1);
}

TEST_F(Backdrop, ADragMovesTheMemoAndItsMarginTakesWhatLiesBeneathTheNewPlace) {
  ui::probe::DragSurface(memo(), {40, 5}, {50, 550});
  EXPECT_EQ(memo().Left(), 50);
  EXPECT_EQ(ui::headless::BackdropOf(memo()), (Log{"Calendar"}));
  EXPECT_EQ(calendar.repaints, 1);
  EXPECT_EQ(Count("show TForm1"), 1) << "one move, one repaint at once";
}

TEST_F(Backdrop, TheMarqueeRefreshesTheBackdropAtEveryStepAndAMemoAtRestNever) {
  ui::headless::FireTimers(1000);
  EXPECT_TRUE(ui::headless::DesktopLog().empty());

  Display.anime = true;
  ui::probe::PressKey(memo().Edit1, 0x70);  // F1
  ui::headless::FireTimers(3);
  EXPECT_EQ(memo().Left(), 864 - 6);
  EXPECT_EQ(Count("backdrop TForm1"), 3);
  EXPECT_EQ(Count("hide TForm1"), Count("show TForm1"));
}
