#include <gtest/gtest.h>

#include "app/palette.h"
#include "app/splash.h"
#include "app/startup.h"
#include "help/about_box.h"
#include "help/help_viewer.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_window.h"
#include "memo/modify_dialog.h"
#include "memo/replace_dialog.h"
#include "settings/options_dialog.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

// How many of the program's windows exist, in the order the start-up must create them.
int WindowsCreated() {
  const void* in_order[] = {Main, Form1, OptionDlg, HelpDlg, AboutDlg, ModifyDlg, ReplaceDialog1, MainOut};
  int n = 0;
  while (n < 8 && in_order[n]) ++n;
  for (int rest = n; rest < 8; ++rest) EXPECT_EQ(in_order[rest], nullptr) << "a window was created out of order";
  return n;
}

class StartUp : public ::testing::Test {
 protected:
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
};

}  // namespace

TEST_F(StartUp, SplashShowsProgressAfterEachWindowAndOnlyThePaletteRemains) {
  struct Frame {
    int width;
    int windows;
  };
  std::vector<Frame> splash_paints;
  ui::headless::OnPaint([&](const ui::WinControl& painted) {
    if (OpenDlg && &painted == &OpenDlg->Panel1) splash_paints.push_back({OpenDlg->Shape1.Width(), WindowsCreated()});
  });

  app::StartUp();

  // Each step is painted at once, before the next window is created.
  std::vector<int> widths;
  for (const Frame& f : splash_paints) {
    if (widths.empty() || widths.back() != f.width) widths.push_back(f.width);
    EXPECT_EQ(f.windows, f.width / 10 - 1) << "at width " << f.width;
  }
  EXPECT_EQ(widths, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
  EXPECT_EQ(ui::probe::NativeApplicationTitle(), "ぽち ── ら");
  EXPECT_EQ(app.MainForm(), Main) << "the splash is never the main window";
  ASSERT_NE(OpenDlg, nullptr) << "the splash lasts until the event loop releases it";
  EXPECT_EQ(ui::probe::NativeClientSize(*OpenDlg), (ui::Size{201, 184}));
  EXPECT_EQ(ui::probe::NativeBounds(*OpenDlg).left, (1024 - 201) / 2);

  app.Run();

  EXPECT_EQ(OpenDlg, nullptr);
  EXPECT_FALSE(app.Terminated());
  std::vector<ui::Form*> windows = ui::probe::NativeWindows(), shown;
  for (ui::Form* w : windows) {
    if (ui::probe::NativeVisible(*w)) shown.push_back(w);
  }
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], Main);
  EXPECT_EQ(windows.size(), 8u) << "all eight windows live on, hidden";
}

TEST_F(StartUp, WindowsHaveTheirFrames) {
  app::StartUp();
  app.Run();

  EXPECT_EQ(ui::probe::NativeBorder(*Main), ui::BorderStyle::ToolWindow);
  EXPECT_TRUE(ui::probe::NativeStayOnTop(*Main));
  EXPECT_EQ(ui::probe::NativeCaption(*Main), "");
  EXPECT_EQ(ui::probe::NativeBounds(*Main).width, 32);
  EXPECT_EQ(ui::probe::NativeClientSize(*Main).height, 131);
  EXPECT_EQ(ui::probe::NativeBounds(*Main).left, 0);
  EXPECT_EQ(ui::probe::NativeBounds(*Main).top, 0);

  EXPECT_EQ(ui::probe::NativeBorder(*Form1), ui::BorderStyle::None);
  EXPECT_FALSE(ui::probe::NativeStayOnTop(*Form1));
  EXPECT_EQ(ui::probe::NativeCaption(*OptionDlg), "オプション");
  EXPECT_EQ(ui::probe::NativeClientSize(*OptionDlg), (ui::Size{420, 417}));
  EXPECT_EQ(ui::probe::NativeClientSize(*HelpDlg), (ui::Size{406, 397}));
  EXPECT_TRUE(ui::probe::NativeStayOnTop(*AboutDlg));
  EXPECT_EQ(ui::probe::NativeCaption(*ModifyDlg), "確認");
  EXPECT_EQ(ui::probe::NativeClientSize(*ReplaceDialog1), (ui::Size{226, 121}));
  EXPECT_EQ(ui::probe::NativeCaption(*MainOut), "NewFile");
}

TEST_F(StartUp, ClosingThePaletteEndsTheProgram) {
  app::StartUp();
  app.Run();
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::CloseByUser(*Main);
  EXPECT_TRUE(app.Terminated());
}
