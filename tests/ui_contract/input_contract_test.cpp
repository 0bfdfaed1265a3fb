#include "tests/ui_contract/contract_fixture.h"

#include "ui/menus.h"
#include "ui/text_controls.h"

namespace {

// A borderless window whose own surface is its caption, as the memo window's is.
class SurfaceForm : public ui::Form {
 public:
  SurfaceForm() : ui::Form("TSurfaceForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({200, 150, 220, 140});
    Edit.SetBounds({10, 15, 200, 100});
    Edit.OnKeyDown = [this](int key, unsigned) {
      keys.push_back(key);
      text_at_key = Edit.Text();
    };
    Edit.OnMouseDown = [this](ui::MouseButton b, unsigned, int x, int y) { downs.push_back({b, {x, y}}); };
    Edit.OnMouseMove = [this](unsigned, int x, int y) { last_move = {x, y}; };
    Edit.OnMouseUp = [this](ui::MouseButton b, unsigned, int x, int y) { ups.push_back({b, {x, y}}); };
  }
  ui::HitArea HitTest(ui::HitArea platform) override {
    return platform == ui::HitArea::Client ? ui::HitArea::Caption : platform;
  }
  void Moved() override { ++moves; }

  struct Press {
    ui::MouseButton button;
    ui::Point at;
  };
  ui::RichEdit Edit{this};
  std::vector<int> keys;
  std::string text_at_key;
  std::vector<Press> downs, ups;
  ui::Point last_move;
  int moves = 0;
};

class InputContract : public Contract {
 protected:
  void SetUp() override {
    app.CreateForm(form);
    form->Show();
  }
  SurfaceForm* form = nullptr;
};

}  // namespace

TEST_F(InputContract, TheWindowMayTurnItsClientAreaIntoACaptionWhichADragMoves) {
  EXPECT_EQ(ui::probe::NativeHitTest(*form, {3, 3}), ui::HitArea::Caption);
  int before = form->moves;
  ui::probe::DragSurface(*form, {3, 3}, {260, 170});
  EXPECT_EQ(ui::probe::NativeBounds(*form), (ui::Bounds{260, 170, 220, 140}));
  EXPECT_EQ(form->moves, before + 1);
}

TEST_F(InputContract, AFramedWindowsCaptionIsAboveItsClientArea) {
  CountingForm* framed = nullptr;
  app.CreateForm(framed);
  framed->SetBorderStyle(ui::BorderStyle::ToolWindow);
  framed->SetBounds({100, 100, 200, 150});
  framed->Show();
  EXPECT_EQ(ui::probe::NativeHitTest(*framed, {20, 20}), ui::HitArea::Client);
  EXPECT_EQ(ui::probe::NativeHitTest(*framed, {20, -6}), ui::HitArea::Caption);
  ui::probe::DragSurface(*framed, {20, 20}, {300, 300});
  EXPECT_EQ(ui::probe::NativeBounds(*framed).left, 100) << "a press on the client area moves nothing";
}

TEST_F(InputContract, AMoveIsReportedOnceAndAnEqualPlaceIsNoMove) {
  int before = form->moves;
  ui::probe::MoveByUser(*form, {260, 170});
  EXPECT_EQ(form->moves, before + 1);
  EXPECT_EQ(form->Left(), 260);
  form->SetBounds(form->GetBounds());
  form->SetLeft(260);
  EXPECT_EQ(form->moves, before + 1);
}

TEST_F(InputContract, AKeyReachesTheHandlerBeforeTheEditorActsOnIt) {
  form->Edit.SetText("abc");
  form->Edit.SetSel(0, 0);
  ui::probe::PressKey(form->Edit, 0x2E);  // Delete
  EXPECT_EQ(form->keys, (std::vector<int>{0x2E}));
  EXPECT_EQ(form->text_at_key, "abc");
  EXPECT_EQ(form->Edit.Text(), "bc");
}

TEST_F(InputContract, TypingBackspaceAndEnterEditAtTheCaretAfterTheHandlerHasSeenTheKey) {
  form->Edit.SetText("abc");
  form->Edit.SetSel(3, 0);
  ui::probe::PressKey(form->Edit, 0x08);  // Backspace
  EXPECT_EQ(form->text_at_key, "abc");
  EXPECT_EQ(form->Edit.Text(), "ab");
  ui::probe::PressKey(form->Edit, 0x0D);  // Enter
  EXPECT_EQ(form->text_at_key, "ab");
  ui::probe::Type(form->Edit, "x yメモ");
  EXPECT_EQ(form->Edit.Text(), "ab\r\nx yメモ");
  EXPECT_EQ(form->keys, (std::vector<int>{0x08, 0x0D})) << "characters typed are no keys of the handler's";
  EXPECT_EQ(form->Edit.SelStart(), 8);
}

TEST_F(InputContract, TheEditorShowsItsCursorWhileThePointerIsOverIt) {
  form->Edit.SetCursor(ui::Cursor::VSplit);
  ui::probe::MouseMove(form->Edit, {30, 40});
  EXPECT_EQ(ui::probe::NativeCursorOver(form->Edit), ui::Cursor::VSplit);
  for (ui::Cursor cursor : {ui::Cursor::HSplit, ui::Cursor::Drag, ui::Cursor::HourGlass}) {
    form->Edit.SetCursor(cursor);
    EXPECT_EQ(ui::probe::NativeCursorOver(form->Edit), cursor) << static_cast<int>(cursor);
  }
  form->Edit.SetCursor(ui::Cursor::Default);
  EXPECT_EQ(ui::probe::NativeCursorOver(form->Edit), ui::Cursor::Default);
}

TEST_F(InputContract, TheMouseOverTheEditorComesInItsClientCoordinates) {
  ui::PopupMenu menu;
  menu.SetAutoPopup(false);
  form->Edit.SetPopupMenu(&menu);
  ui::probe::MouseMove(form->Edit, {30, 40});
  EXPECT_EQ(form->last_move, (ui::Point{30, 40}));
  ui::probe::MouseDown(form->Edit, ui::MouseButton::Right, {25, 90});
  ui::probe::MouseUp(form->Edit, ui::MouseButton::Right, {25, 90});
  ASSERT_EQ(form->downs.size(), 1u);
  EXPECT_EQ(form->downs[0].button, ui::MouseButton::Right);
  EXPECT_EQ(form->downs[0].at, (ui::Point{25, 90}));
  ASSERT_EQ(form->ups.size(), 1u);
  EXPECT_EQ(form->ups[0].button, ui::MouseButton::Right);
}
