#include "tests/ui_contract/contract_fixture.h"

#include <algorithm>

#include "ui/desktop.h"
#include "ui/graphic_controls.h"
#include "ui/text_controls.h"

namespace {

// A borderless window that counts what the platform asks of it. Its paint request may hide and
// show it again, as a window that lets what lies beneath show through does.
class BackdropForm : public ui::Form {
 public:
  BackdropForm() : ui::Form("TBackdropForm") {
    SetBorderStyle(ui::BorderStyle::None);
    Edit.SetBounds({10, 15, 100, 40});
    Title.SetCaption("12:34:56");
    Title.SetTransparent(true);
  }
  bool HandleEraseBackground(ui::Canvas& canvas) override {
    ++erases;
    return ui::Form::HandleEraseBackground(canvas);
  }
  void PaintRequested() override {
    ++requests;
    if (!hide_at_paint) return;
    HideInPlace();
    on_screen_while_hidden = ui::probe::NativeOnScreen(*this);
    CaptureBackdrop();
    ShowInPlace();
  }

  ui::Label Title{this};
  ui::RichEdit Edit{this};
  bool hide_at_paint = false;
  bool on_screen_while_hidden = true;
  int erases = 0, requests = 0;
};

class DesktopContract : public Contract {
 protected:
  void SetUp() override {
    app.CreateForm(front);
    back = app.Adopt(std::make_unique<BackdropForm>());
    back->SetBounds({100, 100, 300, 200});
    back->Show();
    front->SetBounds({150, 120, 120, 70});
    front->Show();
    ui::probe::Pump();
  }
  // Where the form's window lies in the desktop's z-order, from the top.
  static long Place(const std::vector<ui::DesktopWindow>& windows, const ui::Form& form) {
    auto found = std::find_if(windows.begin(), windows.end(),
                              [&](const ui::DesktopWindow& w) { return w.id == ui::desktop::IdOf(form); });
    return found == windows.end() ? -1 : found - windows.begin();
  }
  static ui::DesktopWindow Entry(const ui::Form& form) {
    auto windows = ui::desktop::WindowsTopDown();
    long at = Place(windows, form);
    return at < 0 ? ui::DesktopWindow{} : windows[static_cast<std::size_t>(at)];
  }
  BackdropForm* front = nullptr;
  BackdropForm* back = nullptr;
};

}  // namespace

TEST_F(DesktopContract, TheDesktopListsItsWindowsFromTheTopDownWithTheirPlaces) {
  auto* hidden = app.Adopt(std::make_unique<BackdropForm>());
  hidden->SetBounds({10, 10, 50, 50});
  auto windows = ui::desktop::WindowsTopDown();
  long f = Place(windows, *front), b = Place(windows, *back), h = Place(windows, *hidden);
  ASSERT_GE(f, 0);
  ASSERT_GE(b, 0);
  ASSERT_GE(h, 0) << "hidden windows are listed too";
  EXPECT_LT(f, b) << "the window shown last lies on top";
  EXPECT_EQ(windows[static_cast<std::size_t>(f)].bounds, (ui::Bounds{150, 120, 120, 70}));
  EXPECT_TRUE(windows[static_cast<std::size_t>(b)].visible);
  EXPECT_FALSE(windows[static_cast<std::size_t>(h)].visible);
}

TEST_F(DesktopContract, ARepaintNowErasesAndPaintsTheWholeWindowBeforeItReturns) {
  int paints = ui::probe::NativePaints(*back), erases = back->erases;
  ui::desktop::RepaintNow(Entry(*back));
  EXPECT_EQ(ui::probe::NativePaints(*back), paints + 1);
  EXPECT_EQ(back->erases, erases + 1);
}

TEST_F(DesktopContract, HidingAndShowingInPlaceKeepsPlaceZOrderAndTheKeyboard) {
  front->Edit.SetFocus();
  ASSERT_TRUE(ui::probe::NativeFocused(front->Edit));
  long place = Place(ui::desktop::WindowsTopDown(), *front);
  int moves = ui::probe::NativeMoves(*front), resizes = ui::probe::NativeResizes(*front);

  front->HideInPlace();
  EXPECT_FALSE(ui::probe::NativeOnScreen(*front));
  EXPECT_TRUE(front->Visible()) << "the form itself stays shown";
  ui::probe::Pump();
  front->ShowInPlace();
  ui::probe::Pump();

  EXPECT_TRUE(ui::probe::NativeOnScreen(*front));
  EXPECT_EQ(ui::probe::NativeBounds(*front), (ui::Bounds{150, 120, 120, 70}));
  EXPECT_EQ(Place(ui::desktop::WindowsTopDown(), *front), place);
  EXPECT_EQ(ui::probe::NativeMoves(*front), moves);
  EXPECT_EQ(ui::probe::NativeResizes(*front), resizes);
  EXPECT_TRUE(ui::probe::NativeFocused(front->Edit)) << "typing goes on into the editor";
}

TEST_F(DesktopContract, APaintRequestMayHideAndShowTheWindowWithoutAskingForAnotherPaint) {
  front->hide_at_paint = true;
  int paints = ui::probe::NativePaints(*front), requests = front->requests;
  front->Native().Redraw();
  EXPECT_EQ(front->requests, requests + 1);
  EXPECT_EQ(ui::probe::NativePaints(*front), paints + 1);
  EXPECT_FALSE(front->on_screen_while_hidden);
  ui::probe::RunFor(100);
  EXPECT_EQ(ui::probe::NativePaints(*front), paints + 1) << "showing again within the request needs no new paint";
  EXPECT_TRUE(ui::probe::NativeOnScreen(*front));
}

TEST_F(DesktopContract, AssigningTheSamePlaceSizeAndVisibilityAThousandTimesCostsTheWindowNothing) {
  ui::probe::RunFor(50);
  int moves = ui::probe::NativeMoves(*front), resizes = ui::probe::NativeResizes(*front);
  int paints = ui::probe::NativePaints(*front), edit_paints = ui::probe::NativePaints(front->Edit);
  for (int tick = 0; tick < 1000; ++tick) {
    ui::Bounds b = front->GetBounds();
    front->SetBounds(b);
    front->SetClientWidth(front->ClientWidth());
    front->Edit.SetTop(15);
    front->Edit.SetLeft(10);
    front->Edit.SetWidth(100);
    front->Title.SetVisible(true);
    front->Edit.SetWordWrap(front->Edit.WordWrap());
    if (tick % 100 == 0) ui::probe::Pump();
  }
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeMoves(*front), moves);
  EXPECT_EQ(ui::probe::NativeResizes(*front), resizes);
  EXPECT_EQ(ui::probe::NativePaints(*front), paints);
  EXPECT_EQ(ui::probe::NativePaints(front->Edit), edit_paints);
}
