#include "tests/ui_contract/contract_fixture.h"

#include "ui/button.h"

namespace {

// A small question window as the program lays one out: a button that acts and stays, a cancel
// button first in the tab order, and an OK button that is the default.
class QuestionForm : public ui::Form {
 public:
  QuestionForm() : ui::Form("TQuestionForm") {
    Apply({.caption = "確認", .border = ui::BorderStyle::Dialog, .client_width = 300, .client_height = 80});
    No.SetBounds({200, 40, 73, 24});
    No.SetCaption("いいえ");
    No.SetCancel(true);
    No.SetModalResult(ui::ModalResult::Cancel);
    No.OnClick = [this] { ++noes; };
    Act.SetBounds({20, 40, 75, 25});
    Act.SetCaption("保存する");
    Act.OnClick = [this] { ++acts; };
    Ok.SetBounds({110, 40, 75, 25});
    Ok.SetCaption("OK");
    Ok.SetDefault(true);
    Ok.SetModalResult(ui::ModalResult::OK);
    SetActiveControl(&No);
  }
  ui::Button No{this};
  ui::Button Act{this};
  ui::Button Ok{this};
  int acts = 0, noes = 0;
};

}  // namespace

TEST_F(Contract, APushButtonShowsItsCaptionClicksAndTakesTheKeyboard) {
  QuestionForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  EXPECT_EQ(ui::probe::NativeCaption(form->Act), "保存する");
  EXPECT_TRUE(ui::probe::NativeFocused(form->No)) << "the active control has the keyboard when the window opens";

  ui::probe::Click(form->Act);
  EXPECT_EQ(form->acts, 1);
  EXPECT_TRUE(ui::probe::NativeFocused(form->Act));
  ui::probe::PressKey(form->Act, ui::kKeySpace);
  EXPECT_EQ(form->acts, 2) << "the space bar presses the focused button";

  // Tab follows the order the buttons were made in, around the end; Shift+Tab goes back.
  ui::probe::PressKey(form->Act, ui::kKeyTab);
  EXPECT_TRUE(ui::probe::NativeFocused(form->Ok));
  ui::probe::PressKey(form->Ok, ui::kKeyTab);
  EXPECT_TRUE(ui::probe::NativeFocused(form->No));
  ui::probe::PressKey(form->No, ui::kKeyTab, ui::ssShift);
  EXPECT_TRUE(ui::probe::NativeFocused(form->Ok));
  EXPECT_EQ(form->acts, 2);
  EXPECT_EQ(form->noes, 0);
  EXPECT_TRUE(ui::probe::NativeVisible(*form)) << "a modal result does not close a window that is not modal";
}

TEST_F(Contract, InAModalWindowEscPressesTheCancelButtonAndEnterTheFocusedOne) {
  QuestionForm* form = nullptr;
  app.CreateForm(form);
  bool focused_at_open = false;
  form->OnShow = [&] {
    app.Post([&] {
      focused_at_open = ui::probe::NativeFocused(form->No);
      ui::probe::PressKey(form->Act, ui::kKeyEnter);
      EXPECT_TRUE(ui::probe::NativeVisible(*form)) << "a button without a modal result leaves the window open";
      ui::probe::PressKey(form->Act, ui::kKeyEscape);
    });
  };
  EXPECT_EQ(form->ShowModal(), ui::ModalResult::Cancel);
  EXPECT_TRUE(focused_at_open);
  EXPECT_EQ(form->acts, 1) << "Enter pressed the focused button, not the default one";
  EXPECT_EQ(form->noes, 1) << "Esc pressed the cancel button";
  EXPECT_FALSE(ui::probe::NativeVisible(*form));

  // The cancel button out of use: Esc does nothing; the default button ends it by a click.
  form->No.SetEnabled(false);
  form->OnShow = [&] {
    app.Post([&] {
      ui::probe::PressKey(form->Act, ui::kKeyEscape);
      EXPECT_TRUE(ui::probe::NativeVisible(*form));
      ui::probe::Click(form->Ok);
    });
  };
  EXPECT_EQ(form->ShowModal(), ui::ModalResult::OK);
  EXPECT_EQ(form->noes, 1);
}
