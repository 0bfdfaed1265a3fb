#include "tests/ui_contract/contract_fixture.h"

#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "ui/text_controls.h"

namespace {

// As the help window: a fixed range of 8,000 pixels over a tall text, and a panel to click.
class ScrollForm : public ui::Form {
 public:
  ScrollForm() : ui::Form("TScrollForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({100, 100, 406, 397});
    Panel1.SetBounds({5, 3, 110, 25});
    Panel1.OnClick = [this] { ++clicks; };
    Box.SetBounds({121, 0, 285, 397});
    Box.SetRange(8000);
    Text.SetBounds({0, 0, 269, 8000});
  }
  ui::Panel Panel1{this};
  ui::ScrollBox Box{this};
  ui::Memo Text{&Box};
  int clicks = 0;
};

}  // namespace

TEST_F(Contract, AScrollBoxMovesItsChildOverItsFixedRangeAsTheProgramAndTheUserScroll) {
  ScrollForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::ScrollBox& box = form->Box;
  EXPECT_EQ(ui::probe::NativeClientSize(box), box.ClientSize());
  // The text inside without its sunken edge fills its place to the pixel, and keeps its text.
  form->Text.SetText("ヘルプ");
  EXPECT_EQ(ui::probe::NativeClientSize(form->Text), (ui::Size{265, 7996}));
  form->Text.SetBorder(false);
  EXPECT_EQ(ui::probe::NativeClientSize(form->Text), (ui::Size{269, 8000}));
  EXPECT_EQ(form->Text.Text(), "ヘルプ");
  EXPECT_LT(box.ClientSize().width, 285) << "the bar takes its width from the client area";
  EXPECT_EQ(ui::probe::NativeScrollBar(box), (ui::ScrollBarState{8000, 397, 0}));

  box.SetPosition(7533);
  EXPECT_EQ(ui::probe::NativeScrollBar(box).position, 7533);
  EXPECT_EQ(ui::probe::NativePlace(form->Text).top, -7533);

  // Past the end, the view stops with the range's last pixel at its bottom.
  box.SetPosition(9000);
  EXPECT_EQ(box.Position(), 8000 - 397);
  EXPECT_EQ(ui::probe::NativePlace(form->Text).top, -(8000 - 397));

  ui::probe::Scroll(box, ui::ScrollRequest::Top);
  EXPECT_EQ(box.Position(), 0);
  ui::probe::Scroll(box, ui::ScrollRequest::LineDown);
  EXPECT_EQ(box.Position(), ui::ScrollBox::kLine);
  ui::probe::Scroll(box, ui::ScrollRequest::PageDown);
  EXPECT_EQ(box.Position(), ui::ScrollBox::kLine + 397);
  ui::probe::Scroll(box, ui::ScrollRequest::Thumb, 4764);
  EXPECT_EQ(box.Position(), 4764);
  EXPECT_EQ(ui::probe::NativePlace(form->Text).top, -4764);
  ui::probe::Wheel(box, 1);
  EXPECT_EQ(box.Position(), 4764 + 3 * ui::ScrollBox::kLine);
  EXPECT_EQ(ui::probe::NativeScrollBar(box).position, box.Position());
  ui::probe::Scroll(box, ui::ScrollRequest::Bottom);
  EXPECT_EQ(ui::probe::NativePlace(form->Text).top, -(8000 - 397));

  // A panel is clicked as a whole: a press and a release on it.
  ui::probe::MouseDown(form->Panel1, ui::MouseButton::Left, {50, 10});
  ui::probe::MouseUp(form->Panel1, ui::MouseButton::Left, {50, 10});
  EXPECT_EQ(form->clicks, 1);
  ui::probe::MouseDown(form->Panel1, ui::MouseButton::Left, {50, 10});
  ui::probe::MouseUp(form->Panel1, ui::MouseButton::Left, {200, 10});  // released off it
  ui::probe::MouseDown(form->Panel1, ui::MouseButton::Right, {50, 10});
  ui::probe::MouseUp(form->Panel1, ui::MouseButton::Right, {50, 10});
  EXPECT_EQ(form->clicks, 1);
}
