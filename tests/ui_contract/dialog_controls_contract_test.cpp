#include "tests/ui_contract/contract_fixture.h"

#include "ui/check_box.h"
#include "ui/color_dialog.h"
#include "ui/font_dialog.h"
#include "ui/list_box.h"
#include "ui/text_controls.h"

namespace {

// A settings window as the program lays one out: check boxes, a list of sizes, two number
// boxes, and OK as the default button.
class ChoicesForm : public ui::Form {
 public:
  ChoicesForm() : ui::Form("TChoicesForm") {
    Apply({.caption = "設定", .border = ui::BorderStyle::Dialog, .client_width = 300, .client_height = 200});
    Fixed.SetBounds({10, 10, 250, 17});
    Fixed.SetCaption("固定画面の大きさを変更する。");
    Fixed.OnClick = [this] { ++ticks; };
    Bold.SetBounds({10, 30, 250, 17});
    Bold.SetCaption("太字");
    Sizes.SetBounds({10, 55, 65, 41});
    Sizes.SetItems({"9", "10", "11", "12", "14", "16", ""});
    Sizes.OnClick = [this] { ++picks; };
    Width.SetBounds({100, 55, 54, 20});
    Width.SetImeOnFocus(ui::ImeMode::Off);
    Width.OnChange = [this] { ++changes; };
    Lines.SetBounds({160, 55, 54, 20});
    Ok.SetBounds({100, 160, 75, 25});
    Ok.SetCaption("OK");
    Ok.SetDefault(true);
    Ok.OnClick = [this] { ++oks; };
  }
  ui::CheckBox Fixed{this};
  ui::CheckBox Bold{this};
  ui::ListBox Sizes{this};
  ui::Edit Width{this};
  ui::Edit Lines{this};
  ui::Button Ok{this};
  int ticks = 0, picks = 0, changes = 0, oks = 0;
};

}  // namespace

TEST_F(Contract, ACheckBoxTogglesAtTheUsersClickAndSpaceBarAndDrawsItsCaptionInItsFontColour) {
  ChoicesForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  EXPECT_EQ(ui::probe::NativeCaption(form->Fixed), "固定画面の大きさを変更する。");
  EXPECT_FALSE(ui::probe::NativeChecked(form->Fixed));

  ui::probe::Click(form->Fixed);
  EXPECT_TRUE(ui::probe::NativeChecked(form->Fixed));
  EXPECT_TRUE(form->Fixed.Checked());
  EXPECT_EQ(form->ticks, 1);
  ui::probe::PressKey(form->Fixed, ui::kKeySpace);
  EXPECT_FALSE(form->Fixed.Checked()) << "the space bar clears it again";
  EXPECT_EQ(form->ticks, 2);

  // The program's own setting is shown, and is not the user's click.
  form->Bold.SetChecked(true);
  EXPECT_TRUE(ui::probe::NativeChecked(form->Bold));
  form->Bold.SetChecked(false);
  EXPECT_FALSE(ui::probe::NativeChecked(form->Bold));
  EXPECT_EQ(form->ticks, 2);

  ui::Font white = form->Fixed.GetFont();
  white.color = ui::clWhite;
  form->Fixed.SetFont(white);
  EXPECT_EQ(ui::probe::NativeCaptionColor(form->Fixed), ui::clWhite);
  white.color = ui::clBlack;
  form->Fixed.SetFont(white);
  EXPECT_EQ(ui::probe::NativeCaptionColor(form->Fixed), ui::clBlack);

  form->Fixed.SetEnabled(false);
  EXPECT_FALSE(ui::probe::NativeEnabled(form->Fixed));
  form->Fixed.Hide();
  EXPECT_FALSE(ui::probe::NativeVisible(form->Fixed));
}

TEST_F(Contract, AListBoxShowsItsRowsAndTheUsersClickSelectsOne) {
  ChoicesForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  EXPECT_EQ(ui::probe::NativeItems(form->Sizes), (std::vector<std::string>{"9", "10", "11", "12", "14", "16", ""}));
  EXPECT_EQ(ui::probe::NativeItemIndex(form->Sizes), -1);
  EXPECT_EQ(form->Sizes.ItemIndex(), -1);

  ui::probe::ClickRow(form->Sizes, 1);
  EXPECT_EQ(ui::probe::NativeItemIndex(form->Sizes), 1);
  EXPECT_TRUE(form->Sizes.Selected(1));
  EXPECT_EQ(form->picks, 1);
  ui::probe::ClickRow(form->Sizes, 5);
  EXPECT_EQ(form->Sizes.ItemIndex(), 5) << "a row below the visible ones is scrolled to and selected";
  EXPECT_EQ(form->picks, 2);

  form->Sizes.SetItemIndex(3);
  EXPECT_EQ(ui::probe::NativeItemIndex(form->Sizes), 3);
  form->Sizes.SetItemIndex(-1);
  EXPECT_EQ(ui::probe::NativeItemIndex(form->Sizes), -1);
  EXPECT_EQ(form->picks, 2) << "the program's selection is not the user's click";
  form->Sizes.SetItems({"regular", "bold"});
  EXPECT_EQ(ui::probe::NativeItems(form->Sizes), (std::vector<std::string>{"regular", "bold"}));
  EXPECT_EQ(form->Sizes.ItemIndex(), -1);

  int opened = -1;
  form->Sizes.OnDblClick = [&] { opened = form->Sizes.ItemIndex(); };
  ui::probe::DoubleClickRow(form->Sizes, 1);
  EXPECT_EQ(opened, 1) << "a double click selects the row and opens it";
  form->Sizes.SetItemIndex(0);
  ui::probe::PressInWindow(form->Sizes, ui::kKeyEnter);
  EXPECT_EQ(opened, 0) << "Enter opens the selected row";
  EXPECT_EQ(form->oks, 0) << "and does not press the default button";
}

TEST_F(Contract, AnEditHoldsOneLineTypedWithTheInputMethodOffAndLeavesEnterToItsWindow) {
  ChoicesForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  form->Width.SetText("80");
  ui::probe::Focus(form->Width);
  form->Width.SelectAll();
  ui::probe::Type(form->Width, "60");
  EXPECT_EQ(form->Width.Text(), "60");
  EXPECT_GE(form->changes, 2);
  EXPECT_EQ(ui::probe::NativeIme(form->Width), ui::ImeMode::Off);
  form->Width.SetImeOnFocus(ui::ImeMode::Hiragana);
  ui::probe::Focus(form->Lines);
  EXPECT_EQ(ui::probe::NativeIme(form->Width), ui::ImeMode::Hiragana)
      << "open for Japanese as the box takes the keyboard";
  form->Width.SetImeOnFocus(ui::ImeMode::Off);

  ui::probe::Type(form->Lines, "1");
  ui::probe::Type(form->Lines, "\r");
  ui::probe::Type(form->Lines, "0");
  EXPECT_EQ(form->Lines.Text(), "10") << "a line break typed into a single line is dropped";
  EXPECT_EQ(form->Lines.LineCount(), 1);
  ui::probe::PressKey(form->Lines, ui::kKeyEnter);
  EXPECT_EQ(form->oks, 1) << "Enter presses the window's default button";
  EXPECT_EQ(form->Lines.Text(), "10");
}

TEST_F(Contract, TheColourDialogShowsItsColourAndCancelLeavesIt) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::ColorDialog dialog;
  dialog.SetColor(0x4080FF);
  ui::probe::AnswerColorDialog(0x123456);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.GetColor(), 0x123456u);

  ui::probe::AnswerColorDialog(std::nullopt);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.GetColor(), 0x123456u) << "cancel leaves the colour";

  ui::probe::AnswerColorDialog(0x00FF00);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(ui::probe::ColorDialogs(), (std::vector<ui::Color>{0x4080FF, 0x123456, 0x123456}))
      << "each opens with the colour last chosen preselected";
  EXPECT_EQ(dialog.GetColor(), 0x00FF00u);
}

TEST_F(Contract, TheFontDialogOpensWithItsOwnFontAndCancelLeavesIt) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::FontDialog dialog;
  const ui::Font first{"ＭＳ ゴシック", -16, 0, ui::clBlack};
  const ui::Font chosen{"ＭＳ Ｐ明朝", -24, ui::fsBold | ui::fsItalic | ui::fsUnderline | ui::fsStrikeOut, ui::clNavy};
  const ui::Font third{"ＭＳ Ｐゴシック", -12, ui::fsBold, ui::clMaroon};
  dialog.SetFont(first);
  ui::probe::AnswerFontDialog(chosen);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.GetFont(), chosen);

  ui::probe::AnswerFontDialog(std::nullopt);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.GetFont(), chosen) << "cancel leaves the font";

  dialog.SetFont(third);
  ui::probe::AnswerFontDialog(std::nullopt);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(ui::probe::FontDialogs(), (std::vector<ui::Font>{first, chosen, third}))
      << "each opens with the dialog's own font: face, size, style and colour";
}
