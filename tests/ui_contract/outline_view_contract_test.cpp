#include "tests/ui_contract/contract_fixture.h"

#include "ui/outline_view.h"
#include "ui/text_controls.h"

namespace {

class OutlineForm : public ui::Form {
 public:
  OutlineForm() : ui::Form("TOutlineForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({200, 150, 300, 200});
    olTree.SetBounds({0, 0, 150, 140});
    olTree.SetColor(0x756376);
    olTree.OnClick = [this] { ++clicks; };
    olTree.OnEnter = [this] { ++enters; };
    Edit1.SetBounds({160, 0, 100, 100});
    auto& items = olTree.Items();
    items.AppendSibling(0, "A");
    int b = items.AppendSibling(0, "B");
    items.AppendChild(b, "B1");
    items.AppendSibling(0, "C");
  }
  ui::OutlineView olTree{this};
  ui::Memo Edit1{this};
  int clicks = 0, enters = 0;
};

class OutlineViewContract : public Contract {
 protected:
  void SetUp() override {
    app.CreateForm(form);
    form->Show();
    ui::probe::Pump();
  }
  ui::Point Row(int row) { return {30, row * ui::OutlineView::kRowHeight + 5}; }
  OutlineForm* form = nullptr;
};

}  // namespace

TEST_F(OutlineViewContract, AClickOnARowSelectsThatRowsItemAndTellsTheWindow) {
  auto& items = form->olTree.Items();
  ui::probe::ClickAt(form->olTree, Row(2));  // rows: A, B, C while B is collapsed
  EXPECT_EQ(items.Selected(), 4);
  EXPECT_EQ(form->clicks, 1);

  items.OpenItem(2);  // C's row moves down, which the model reports as well
  form->clicks = 0;
  ui::probe::ClickAt(form->olTree, Row(2));  // now B1
  EXPECT_EQ(items.Selected(), 3);
  EXPECT_EQ(form->clicks, 1);

  ui::probe::ClickAt(form->olTree, Row(7));  // below the last row
  EXPECT_EQ(items.Selected(), 3);
  EXPECT_EQ(form->clicks, 1);
}

TEST_F(OutlineViewContract, TheViewRedrawsWhenTheModelMovesTheSelection) {
  ui::probe::RunFor(50);
  int paints = ui::probe::NativePaints(form->olTree);
  form->olTree.Items().SetSelected(4);
  EXPECT_EQ(form->clicks, 1);
  ui::probe::RunFor(50);
  EXPECT_GT(ui::probe::NativePaints(form->olTree), paints);
}

TEST_F(OutlineViewContract, TakingTheFocusIsReportedBeforeTheClick) {
  ui::probe::Focus(form->Edit1);
  std::vector<std::string> order;
  form->olTree.OnEnter = [&] { order.push_back("enter"); };
  form->olTree.OnClick = [&] { order.push_back("click"); };
  ui::probe::ClickAt(form->olTree, Row(1));
  EXPECT_EQ(order, (std::vector<std::string>{"enter", "click"}));
}
