#include "tests/ui_contract/contract_fixture.h"

#include "ui/exception.h"
#include "ui/speed_button.h"
#include "ui/text_controls.h"

namespace {

class ButtonForm : public ui::Form {
 public:
  ButtonForm() : ui::Form("TButtonForm") {
    SetBorderStyle(ui::BorderStyle::ToolWindow);
    SetBounds({50, 50, 120, 120});
    Button.SetBounds({1, 1, 25, 25});
    Button.SetFont({"ＭＳ Ｐ明朝", -27, ui::fsBold, ui::clPurple});
    Button.SetCaption("貼");
    Button.OnClick = [this] { ++clicks; };
    Edit.SetBounds({1, 30, 100, 40});
  }
  ui::SpeedButton Button{this};
  ui::RichEdit Edit{this};
  int clicks = 0;
};

}  // namespace

TEST_F(Contract, ASpeedButtonClicksOncePerPressAndDoesNotStayDown) {
  ButtonForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::probe::Click(form->Button);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_FALSE(form->Button.Down());
  ui::probe::Click(form->Button);
  EXPECT_EQ(form->clicks, 2);
}

TEST_F(Contract, HintsGoToTheApplicationsTooltips) {
  ButtonForm* form = nullptr;
  app.CreateForm(form);
  app.SetHintColor(ui::clAqua);
  form->Button.SetHint("ﾃﾞｽｸﾄｯﾌﾟにﾒﾓを貼りつけます");
  EXPECT_EQ(ui::probe::NativeHint(form->Button), "ﾃﾞｽｸﾄｯﾌﾟにﾒﾓを貼りつけます");
  form->Button.SetHint("");
  EXPECT_EQ(ui::probe::NativeHint(form->Button), "");
  EXPECT_EQ(ui::probe::NativeHintColor(), ui::clAqua);
}

TEST_F(Contract, AHiddenWindowsEditorCannotTakeTheFocusAndAShownOneCan) {
  ButtonForm* form = nullptr;
  app.CreateForm(form);
  try {
    form->Edit.SetFocus();
    ADD_FAILURE() << "a hidden window took the focus";
  } catch (const ui::Exception& e) {
    EXPECT_STREQ(e.what(), "無効/非表示ｳｨﾝﾄﾞｳにはﾌｫｰｶｽを設定できません");
  }
  form->Show();
  form->Edit.SetFocus();
  EXPECT_TRUE(ui::probe::NativeFocused(form->Edit));
}
