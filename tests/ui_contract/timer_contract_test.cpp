#include "tests/ui_contract/contract_fixture.h"

#include "ui/timer.h"

TEST_F(Contract, ATimerTicksWhileItsWindowIsHiddenAndNotWhileItsIntervalIsZero) {
  CountingForm* hidden = nullptr;
  app.CreateForm(hidden);
  ui::Timer timer;
  int ticks = 0;
  timer.SetOnTimer([&] { ++ticks; });
  timer.SetInterval(10);

  ui::probe::RunFor(200);
  EXPECT_FALSE(hidden->Visible());
  EXPECT_GT(ticks, 2);

  timer.SetInterval(0);
  int stopped_at = ticks;
  ui::probe::RunFor(100);
  EXPECT_EQ(ticks, stopped_at);

  timer.SetInterval(10);
  ui::probe::RunFor(100);
  EXPECT_GT(ticks, stopped_at) << "a new interval starts it again";

  timer.SetEnabled(false);
  stopped_at = ticks;
  ui::probe::RunFor(100);
  EXPECT_EQ(ticks, stopped_at);
}
