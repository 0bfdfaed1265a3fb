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

namespace {

using View = ui::OutlineView;
constexpr int kKeypadPlus = 0x6B, kKeypadMinus = 0x6D;

// The click notifications and beeps since the last look.
struct Heard {
  explicit Heard(OutlineForm& form) : form(form), beeps(ui::probe::NativeBeeps()) { form.clicks = 0; }
  std::pair<int, int> Take() {
    std::pair<int, int> heard{form.clicks, ui::probe::NativeBeeps() - beeps};
    form.clicks = 0;
    beeps = ui::probe::NativeBeeps();
    return heard;
  }
  OutlineForm& form;
  int beeps;
};
constexpr std::pair<int, int> kOneClick{1, 0}, kNothing{0, 0}, kBeep{0, 1};

}  // namespace

TEST_F(OutlineViewContract, TheMouseAndKeysWalkTheTreeAndTellTheWindowOfEachMove) {
  auto& items = form->olTree.Items();
  items.RemoveAll();
  items.AppendSibling(0, "A");
  const int b = items.AppendSibling(0, "B");
  const int b1 = items.AppendChild(b, "B1");
  items.AppendChild(b1, "B1a");
  items.AppendChild(b, "B2");
  items.AppendSibling(0, "C");
  form->olTree.Invalidate();
  ui::probe::Pump();
  View& view = form->olTree;
  Heard heard(*form);

  ui::probe::ClickAt(view, Row(1));  // rows: A, B, C
  EXPECT_EQ(items.Selected(), 2);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyRight);  // B is collapsed
  EXPECT_EQ(items.Selected(), 2);
  EXPECT_EQ(heard.Take(), kBeep);

  // The double-click's first press is a click; the double-click opens B and moves no row.
  ui::probe::DoubleClickAt(view, Row(1));
  EXPECT_TRUE(items.ItemAt(2).IsOpen());
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyRight);  // rows: A, B, B1, B2, C
  EXPECT_EQ(items.Selected(), 3);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyRight);  // B1 has a child, but is collapsed
  EXPECT_EQ(heard.Take(), kBeep);
  ui::probe::PressKey(view, kKeypadPlus);  // rows: A, B, B1, B1a, B2, C
  EXPECT_TRUE(items.ItemAt(3).IsOpen());
  EXPECT_EQ(heard.Take(), kNothing);
  ui::probe::PressKey(view, View::kKeyDown);
  EXPECT_EQ(items.Selected(), 4);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyLeft);
  EXPECT_EQ(items.Selected(), 3);
  EXPECT_EQ(heard.Take(), kOneClick);

  ui::probe::PressKey(view, View::kKeyDown, ui::ssCtrl);  // the next sibling, past B1's child
  EXPECT_EQ(items.Selected(), 5);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyDown, ui::ssCtrl);
  EXPECT_EQ(items.Selected(), 5);
  EXPECT_EQ(heard.Take(), kBeep);
  ui::probe::PressKey(view, View::kKeyUp, ui::ssCtrl);
  EXPECT_EQ(items.Selected(), 3);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyUp, ui::ssCtrl);
  EXPECT_EQ(heard.Take(), kBeep);

  ui::probe::PressKey(view, kKeypadMinus);
  EXPECT_FALSE(items.ItemAt(3).IsOpen());
  // Enter toggles once: the character it makes does not toggle again.
  ui::probe::PressKey(view, View::kKeyEnter);
  EXPECT_TRUE(items.ItemAt(3).IsOpen());
  ui::probe::PressKey(view, View::kKeyEnter);
  EXPECT_FALSE(items.ItemAt(3).IsOpen());
  EXPECT_EQ(heard.Take(), kNothing);

  ui::probe::PressKey(view, View::kKeyLeft);
  EXPECT_EQ(items.Selected(), 2);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyLeft);  // the top level
  EXPECT_EQ(items.Selected(), 2);
  EXPECT_EQ(heard.Take(), kBeep);

  ui::probe::PressKey(view, View::kKeyHome);
  EXPECT_EQ(items.Selected(), 1);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyHome);  // the row it has already: no notification
  ui::probe::PressKey(view, View::kKeyUp);
  EXPECT_EQ(heard.Take(), kNothing);
  ui::probe::PressKey(view, View::kKeyEnd);  // rows: A, B, B1, B2, C
  EXPECT_EQ(items.Selected(), 6);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::PressKey(view, View::kKeyEnd);
  EXPECT_EQ(heard.Take(), kNothing);
  ui::probe::PressKey(view, View::kKeyUp);
  EXPECT_EQ(items.Selected(), 5);
  EXPECT_EQ(heard.Take(), kOneClick);

  // "*" opens the selected item's whole subtree; Ctrl with the keypad's "*" opens everything.
  ui::probe::PressKey(view, View::kKeyLeft);
  ui::probe::PressKey(view, kKeypadMinus);
  ui::probe::PressKey(view, View::kKeyMultiply);
  EXPECT_TRUE(items.ItemAt(2).IsOpen());
  EXPECT_TRUE(items.ItemAt(3).IsOpen());
  ui::probe::ClickAt(view, Row(3));
  EXPECT_EQ(items.Selected(), 4);
  ui::probe::PressKey(view, View::kKeyHome);
  ui::probe::PressKey(view, kKeypadMinus);  // A has no children: nothing changes
  ui::probe::DoubleClickAt(view, Row(1));   // closes B
  EXPECT_FALSE(items.ItemAt(2).IsOpen());
  EXPECT_FALSE(items.ItemAt(3).IsOpen());
  heard.Take();
  ui::probe::PressKey(view, View::kKeyMultiply, ui::ssCtrl);
  EXPECT_TRUE(items.ItemAt(2).IsOpen());
  EXPECT_TRUE(items.ItemAt(3).IsOpen());
  EXPECT_EQ(items.Selected(), 2);
  EXPECT_EQ(heard.Take(), kNothing);
  ui::probe::ClickAt(view, Row(5));
  EXPECT_EQ(items.Selected(), 6);  // rows: A, B, B1, B1a, B2, C
}

TEST_F(OutlineViewContract, ALongTreeScrollsSoThatTheSelectedRowStaysInView) {
  auto& items = form->olTree.Items();
  items.RemoveAll();
  for (int i = 1; i <= 50; ++i) items.AppendSibling(0, std::to_string(i));
  View& view = form->olTree;
  const int rows = form->olTree.ClientSize().height / View::kRowHeight;
  ASSERT_EQ(rows, 10);
  ui::probe::Pump();
  Heard heard(*form);

  ui::probe::PressKey(view, View::kKeyEnd);
  EXPECT_EQ(items.Selected(), 50);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::ClickAt(view, Row(9));  // the last row in view is the selected one
  EXPECT_EQ(items.Selected(), 50);
  ui::probe::ClickAt(view, Row(0));
  EXPECT_EQ(items.Selected(), 41);

  // A page keeps one row of the last page in view.
  ui::probe::PressKey(view, View::kKeyPageUp);
  EXPECT_EQ(items.Selected(), 32);
  ui::probe::ClickAt(view, Row(0));
  EXPECT_EQ(items.Selected(), 32);
  ui::probe::PressKey(view, View::kKeyPageDown);
  EXPECT_EQ(items.Selected(), 41);
  ui::probe::ClickAt(view, Row(9));
  EXPECT_EQ(items.Selected(), 41);
  heard.Take();
  ui::probe::PressKey(view, View::kKeyDown);  // one row past the view: it scrolls by one
  EXPECT_EQ(items.Selected(), 42);
  EXPECT_EQ(heard.Take(), kOneClick);
  ui::probe::ClickAt(view, Row(0));
  EXPECT_EQ(items.Selected(), 33);
  ui::probe::PressKey(view, View::kKeyPageDown);
  ui::probe::PressKey(view, View::kKeyPageDown);
  EXPECT_EQ(items.Selected(), 50);  // stopped at the end
  ui::probe::PressKey(view, View::kKeyHome);
  ui::probe::ClickAt(view, Row(9));
  EXPECT_EQ(items.Selected(), 10);

  // Closing the last item, at the top of the view, fills the rows it leaves empty from above.
  for (int i = 1; i <= 20; ++i) items.AppendChild(50, "50-" + std::to_string(i));
  ui::probe::PressKey(view, View::kKeyEnd);
  ui::probe::PressKey(view, kKeypadPlus);
  ui::probe::PressKey(view, View::kKeyEnd);
  EXPECT_EQ(items.Selected(), 70);
  ui::probe::PressKey(view, View::kKeyLeft);  // the parent, above the view: it becomes the top row
  EXPECT_EQ(items.Selected(), 50);
  ui::probe::ClickAt(view, Row(0));
  EXPECT_EQ(items.Selected(), 50);
  ui::probe::PressKey(view, kKeypadMinus);
  ui::probe::ClickAt(view, Row(9));
  EXPECT_EQ(items.Selected(), 50);
  ui::probe::ClickAt(view, Row(0));
  EXPECT_EQ(items.Selected(), 41);
}

TEST_F(OutlineViewContract, ThePointerMovingOverTheViewIsReportedAndShowsTheViewsCursor) {
  std::vector<ui::Point> moves;
  form->olTree.OnMouseMove = [&](ui::Point at) { moves.push_back(at); };
  ui::probe::MouseMove(form->olTree, {40, 20});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].x, 40);
  EXPECT_EQ(moves[0].y, 20);

  EXPECT_EQ(ui::probe::NativeCursorOver(form->olTree), ui::Cursor::Default);
  form->olTree.SetCursor(ui::Cursor::Drag);
  EXPECT_EQ(ui::probe::NativeCursorOver(form->olTree), ui::Cursor::Drag);
  form->olTree.SetCursor(ui::Cursor::Default);
  EXPECT_EQ(ui::probe::NativeCursorOver(form->olTree), ui::Cursor::Default);
}
