#include <gtest/gtest.h>

#include <string>

#include "app/palette.h"
#include "help/about_box.h"
#include "help/help_sections.h"
#include "help/help_viewer.h"
#include "memo/memo_window.h"
#include "tests/app/started_program.h"
#include "ui/headless/fixture.h"

namespace {

class HelpWindows : public StartedProgram {
 protected:
  // The line of the help text whose top lies within the first line of the view.
  std::string LineAtTop() {
    return HelpDlg->Memo1.Line((HelpDlg->ScrollBox1.Position() + kHeadingGap) / kHelpLineHeight);
  }
  static std::string Heading(int section) {
    static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string number = section >= 10 ? std::string(digits[section / 10]) + digits[section % 10] : digits[section];
    return "　　" + number + "：";
  }
  void Press(ui::Panel& panel) {
    ui::probe::MouseDown(panel, ui::MouseButton::Left, {50, 12});
    ui::probe::MouseUp(panel, ui::MouseButton::Left, {50, 12});
  }
};

}  // namespace

TEST_F(HelpWindows, TheHelpOpensAtErrorsEachButtonShowsItsHeadingAndTheViewerKeepsItsPlaceAndTyping) {
  ui::probe::Click(Main->SpeedButton5);  // ?
  ASSERT_TRUE(ui::probe::NativeVisible(*HelpDlg));
  EXPECT_EQ(LineAtTop().rfind(Heading(11), 0), 0u) << LineAtTop();
  EXPECT_EQ(ui::probe::NativePlace(HelpDlg->Memo1).top, -HelpDlg->ScrollBox1.Position());

  // In any order, and again: each heading stands in the first line of the view.
  ui::Panel* buttons[] = {&HelpDlg->Panel2,  &HelpDlg->Panel3,  &HelpDlg->Panel4, &HelpDlg->Panel5,
                          &HelpDlg->Panel11, &HelpDlg->Panel6,  &HelpDlg->Panel7, &HelpDlg->Panel8,
                          &HelpDlg->Panel9,  &HelpDlg->Panel10, &HelpDlg->Panel12};
  for (int section : {1, 11, 5, 5, 2, 3, 4, 6, 7, 8, 9, 10, 1}) {
    Press(*buttons[section - 1]);
    EXPECT_EQ(LineAtTop().rfind(Heading(section), 0), 0u) << "section " << section << ": " << LineAtTop();
    EXPECT_EQ(ui::probe::NativeScrollBar(HelpDlg->ScrollBox1).position, HelpDlg->ScrollBox1.Position());
  }

  // What the user types stays, and so does the place, through a close and a showing from the memo.
  Press(HelpDlg->Panel8);
  const int place = HelpDlg->ScrollBox1.Position();
  HelpDlg->Memo1.SetSelStart(0);
  ui::probe::Type(HelpDlg->Memo1, "自分の覚え書き");
  ui::probe::Click(HelpDlg->Button1);  // 終了
  EXPECT_FALSE(ui::probe::NativeVisible(*HelpDlg));
  Form1->K6Click();
  EXPECT_TRUE(ui::probe::NativeVisible(*HelpDlg));
  EXPECT_EQ(HelpDlg->ScrollBox1.Position(), place);
  EXPECT_EQ(HelpDlg->Memo1.Line(0).rfind("自分の覚え書き", 0), 0u);
}

TEST_F(HelpWindows, TheVersionBoxIsModalAboveTheOthersAndEnterClosesIt) {
  bool on_top = false, modal = false;
  ui::headless::WhenModal("TAboutDlg", [&](ui::Form& box) {
    on_top = ui::probe::NativeStayOnTop(box);
    modal = box.Modal();
    ui::probe::PressKey(AboutDlg->OKBtn, ui::kKeyEnter);
  });
  Form1->About1Click();
  EXPECT_TRUE(on_top);
  EXPECT_TRUE(modal);
  EXPECT_EQ(AboutDlg->GetModalResult(), ui::ModalResult::OK);
  EXPECT_FALSE(ui::probe::NativeVisible(*AboutDlg));
}
