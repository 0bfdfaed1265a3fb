// The options window on whichever backend is linked in: its real controls, the colour dialog,
// and the way back to the memo.

#include <gtest/gtest.h>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "settings/options_dialog.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/probe.h"
#include "ui/screen.h"

namespace {

class OptionsOnThePlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app.CreateForm(Form1);
    app.CreateForm(OptionDlg);
    Form1->Show();
  }
  // A tick of the window's timer, and what it caused.
  static void Tick() {
    OptionDlg->Timer1Timer();
    ui::probe::Pump();
  }
  static void Retype(ui::Edit& edit, const std::string& text) {
    ui::probe::Focus(edit);
    edit.SelectAll();
    ui::probe::Type(edit, text);
  }
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
};

}  // namespace

TEST_F(OptionsOnThePlatform, TheUserSetsASizeAFontAndABackgroundAndOkShowsTheMemoAgain) {
  TOptionDlg& dlg = *OptionDlg;
  Form1->N3Click();
  ui::probe::Pump();
  EXPECT_TRUE(ui::probe::NativeVisible(dlg));
  EXPECT_FALSE(ui::probe::NativeVisible(*Form1));
  EXPECT_EQ(ui::probe::NativeClientSize(dlg), (ui::Size{420, 417}));
  ui::Bounds at = ui::probe::NativeBounds(dlg);
  EXPECT_NEAR(at.left + at.width / 2, ui::Screen::Width() / 2, 1) << "centred";
  EXPECT_NEAR(at.top + at.height / 2, ui::Screen::Height() / 2, 1);
  EXPECT_EQ(ui::probe::NativeCaption(dlg.CheckBox8), "’ぽち～ら’をテロップさせる。");
  Tick();
  EXPECT_FALSE(ui::probe::NativeEnabled(dlg.Button1));
  EXPECT_FALSE(ui::probe::NativeVisible(dlg.Edit1));
  EXPECT_EQ(ui::probe::NativeCaptionColor(dlg.CheckBox2), ui::clBlack);

  ui::probe::Click(dlg.CheckBox2);
  ui::probe::Click(dlg.CheckBox3);
  ui::probe::Click(dlg.CheckBox11);
  ui::probe::Click(dlg.CheckBox8);
  Tick();
  EXPECT_TRUE(ui::probe::NativeEnabled(dlg.Button1));
  EXPECT_TRUE(ui::probe::NativeVisible(dlg.Edit1));
  EXPECT_TRUE(ui::probe::NativeVisible(dlg.ListBox1));
  EXPECT_EQ(ui::probe::NativeCaptionColor(dlg.CheckBox2), ui::clWhite);
  EXPECT_EQ(ui::probe::NativeIme(dlg.Edit1), ui::ImeMode::Off);

  Retype(dlg.Edit1, "60");
  Retype(dlg.Edit2, "10");
  ui::probe::ClickRow(dlg.ListBox1, 3);
  EXPECT_EQ(ui::probe::NativeItemIndex(dlg.ListBox1), 3);
  ui::probe::AnswerColorDialog(0x80FF80);
  ui::probe::Click(dlg.Button1);
  EXPECT_EQ(Display.backcolor, 0x80FF80u);

  ui::probe::Click(dlg.OKBtn);
  EXPECT_FALSE(ui::probe::NativeVisible(dlg));
  EXPECT_TRUE(ui::probe::NativeVisible(*Form1));
  EXPECT_EQ(Form1->Edit1.GetFont().PixelHeight(), 16);
  EXPECT_EQ(Display.haba, 489);
  EXPECT_EQ(Display.takasa, 169);
  EXPECT_TRUE(Display.fixcolor && Display.anime);
  EXPECT_EQ(Form1->Edit1.GetColor(), 0x80FF80u);
}
