#include "tests/ui_contract/contract_fixture.h"

#include "ui/exception.h"
#include "ui/screen.h"
#include "ui/timer.h"

TEST_F(Contract, FactoryMakesTheFirstFormTheMainWindowAndRunsCreationHandlers) {
  auto* splash = app.Adopt(std::make_unique<CountingForm>());
  CountingForm* first = nullptr;
  CountingForm* second = nullptr;
  app.CreateForm(first);
  app.CreateForm(second);

  EXPECT_EQ(app.MainForm(), first);
  EXPECT_EQ(first->created, 1);
  EXPECT_EQ(second->created, 1);
  EXPECT_EQ(splash->created, 0) << "a form made directly has no creation handler run";
  EXPECT_FALSE(ui::probe::NativeVisible(*first)) << "forms are created hidden";
}

TEST_F(Contract, ReleaseDestroysTheFormOnceTheEventLoopGetsToIt) {
  int destroyed = 0;
  CountingForm* main = nullptr;
  app.CreateForm(main);
  auto* splash = app.Adopt(std::make_unique<CountingForm>());
  splash->destroyed = &destroyed;
  splash->Show();

  splash->Release();
  EXPECT_EQ(destroyed, 0) << "the release is only queued";
  ui::probe::Pump();

  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(app.Forms().size(), 1u);
  EXPECT_FALSE(app.Terminated()) << "releasing a window that is not the main window does not end the program";
}

TEST_F(Contract, ClosingTheMainWindowEndsTheEventLoop) {
  CountingForm* main = nullptr;
  app.CreateForm(main);
  app.Post([&] { main->Close(); });

  app.Run();  // shows the main window, then returns once the loop ends

  EXPECT_EQ(main->shown, 1);
  EXPECT_EQ(main->close_queries, 1);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(Contract, AnExceptionEscapingAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
  app.SetTitle("ぽち ── ら");
  ui::Timer timer;
  int ticks = 0;
  timer.SetInterval(10);
  timer.SetOnTimer([&] {
    if (++ticks == 1) throw ui::Exception("表示できません");
  });
  ui::probe::Answer(ui::ModalResult::OK);

  ui::probe::RunFor(300);

  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].text, "表示できません");
  EXPECT_EQ(ui::probe::Boxes()[0].title, "ぽち ── ら");
  EXPECT_GT(ticks, 1) << "the timer keeps ticking after the failure";
}

TEST_F(Contract, ScreenIsThePrimaryDisplay) {
  EXPECT_EQ(ui::Screen::Width(), 1024);
  EXPECT_EQ(ui::Screen::Height(), 768);
}
