#include "tests/ui_contract/contract_fixture.h"

#include <string>
#include <vector>

#include "ui/graphic_controls.h"
#include "ui/panel.h"

namespace {

class PanelForm : public ui::Form {
 public:
  PanelForm() : ui::Form("TPanelForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({100, 100, 201, 184});
    Panel1.SetAlign(ui::Align::Client);
    Panel1.SetBevelWidth(3);
  }
  ui::Panel Panel1{this};
  ui::Shape Shape1{&Panel1};
  ui::Label Label1{&Panel1};
};

}  // namespace

TEST_F(Contract, ALabelWithAutoSizeTakesItsTextsSize) {
  PanelForm* form = nullptr;
  app.CreateForm(form);
  ui::Font big{"ＭＳ Ｐゴシック", -24, ui::fsBold, ui::clPurple};
  form->Label1.SetFont(big);
  form->Label1.SetCaption("ぽち");
  EXPECT_EQ(form->Label1.Width(), ui::TextExtent(big, "ぽち").width);
  EXPECT_EQ(form->Label1.Height(), ui::TextExtent(big, "ぽち").height);
  EXPECT_GT(ui::TextExtent(big, "ぽち").width, ui::TextExtent(big, "ぽ").width);
  EXPECT_GE(form->Label1.Height(), 24);

  form->Label1.SetAutoSize(false);
  form->Label1.SetCaption("ぽち～ら ver 1.0");
  EXPECT_EQ(form->Label1.Width(), ui::TextExtent(big, "ぽち").width) << "without auto-size the size stays";
}

TEST_F(Contract, AClientAlignedPanelFillsItsWindow) {
  PanelForm* form = nullptr;
  app.CreateForm(form);
  EXPECT_EQ(ui::probe::NativePlace(form->Panel1), (ui::Bounds{0, 0, 201, 184}));
  form->SetWidth(300);
  EXPECT_EQ(ui::probe::NativePlace(form->Panel1), (ui::Bounds{0, 0, 300, 184}));
}

TEST_F(Contract, APanelShowsItsCursorWhileThePointerIsOverIt) {
  PanelForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeCursorOver(form->Panel1), ui::Cursor::Default);
  for (ui::Cursor cursor : {ui::Cursor::HSplit, ui::Cursor::Drag, ui::Cursor::HourGlass}) {
    form->Panel1.SetCursor(cursor);
    EXPECT_EQ(ui::probe::NativeCursorOver(form->Panel1), cursor) << static_cast<int>(cursor);
  }
  form->Panel1.SetCursor(ui::Cursor::Default);
  EXPECT_EQ(ui::probe::NativeCursorOver(form->Panel1), ui::Cursor::Default);

  // A drag across the panel reaches its handlers in client coordinates, past its right edge too.
  std::vector<std::string> heard;
  auto where = [](ui::Point at) { return std::to_string(at.x) + "," + std::to_string(at.y); };
  form->Panel1.OnMouseDown = [&](ui::MouseButton, ui::Point at) { heard.push_back("down " + where(at)); };
  form->Panel1.OnMouseMove = [&](ui::Point at) { heard.push_back("move " + where(at)); };
  form->Panel1.OnMouseUp = [&](ui::MouseButton, ui::Point at) { heard.push_back("up " + where(at)); };
  ui::probe::MouseDown(form->Panel1, ui::MouseButton::Left, {198, 20});
  ui::probe::MouseMove(form->Panel1, {250, 22});
  ui::probe::MouseUp(form->Panel1, ui::MouseButton::Left, {250, 22});
  EXPECT_EQ(heard, (std::vector<std::string>{"down 198,20", "move 250,22", "up 250,22"}));
}

TEST_F(Contract, RepaintPaintsAtOnceWithoutTheEventLoop) {
  PanelForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  ui::probe::Pump();
  int before = ui::probe::NativePaints(form->Panel1);

  form->Shape1.SetWidth(20);
  form->Repaint();

  EXPECT_GT(ui::probe::NativePaints(form->Panel1), before);
}
