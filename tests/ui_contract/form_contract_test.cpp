#include "tests/ui_contract/contract_fixture.h"

#include "ui/screen.h"

using ui::BorderStyle;

TEST_F(Contract, AFormCreatedHiddenStaysHiddenUntilShown) {
  CountingForm* main = nullptr;
  app.CreateForm(main);
  auto* other = app.Adopt(std::make_unique<CountingForm>());
  ui::probe::Pump();
  EXPECT_FALSE(ui::probe::NativeVisible(*other));
  EXPECT_EQ(other->shown, 0);

  other->Show();
  EXPECT_TRUE(other->Visible());
  EXPECT_TRUE(ui::probe::NativeVisible(*other));
  EXPECT_EQ(other->shown, 1);

  other->Show();
  EXPECT_EQ(other->shown, 1) << "showing a shown window is no new show";

  other->Hide();
  EXPECT_FALSE(ui::probe::NativeVisible(*other));
  other->ShowNoActivate();
  EXPECT_TRUE(ui::probe::NativeVisible(*other));
  EXPECT_EQ(other->shown, 2);
}

TEST_F(Contract, CloseOfAWindowThatIsNotTheMainWindowRunsItsCloseQueryAndHidesIt) {
  CountingForm* main = nullptr;
  app.CreateForm(main);
  CountingForm* other = nullptr;
  app.CreateForm(other);
  other->Show();

  other->allow_close = false;
  other->Close();
  EXPECT_EQ(other->close_queries, 1);
  EXPECT_TRUE(ui::probe::NativeVisible(*other)) << "a refused close leaves it shown";

  other->allow_close = true;
  ui::probe::CloseByUser(*other);
  EXPECT_EQ(other->close_queries, 2);
  EXPECT_FALSE(ui::probe::NativeVisible(*other));
  EXPECT_FALSE(app.Terminated());
  EXPECT_EQ(app.Forms().size(), 2u) << "closing hides, it never destroys";
}

TEST_F(Contract, FramesKeepTheClientSizeAndPlaceTheWindowInScreenPixels) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  for (BorderStyle border :
       {BorderStyle::None, BorderStyle::Dialog, BorderStyle::ToolWindow, BorderStyle::Sizeable, BorderStyle::Single}) {
    form->SetBorderStyle(border);
    form->SetClientWidth(201);
    form->SetClientHeight(131);
    form->SetBounds({17, 23, form->Width(), form->Height()});
    form->Show();

    SCOPED_TRACE(static_cast<int>(border));
    EXPECT_EQ(ui::probe::NativeClientSize(*form), (ui::Size{201, 131}));
    EXPECT_EQ(form->ClientWidth(), 201);
    EXPECT_EQ(form->ClientHeight(), 131);
    ui::Bounds native = ui::probe::NativeBounds(*form);
    EXPECT_EQ(native, form->GetBounds());
    EXPECT_EQ(native.left, 17);
    EXPECT_EQ(native.top, 23);
    if (border == BorderStyle::None)
      EXPECT_EQ(native.width, 201);
    else
      EXPECT_GT(native.height, 131) << "a caption bar lies outside the client area";
    form->Hide();
  }
}

// The program's windows keep the band they were made with; turning it off again is not
// relied on (and Wine does not take it back).
TEST_F(Contract, StayOnTopAndTheCaptionReachThePlatform) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  form->SetBorderStyle(BorderStyle::ToolWindow);
  form->SetBorderIcons(0);
  form->SetStayOnTop(true);
  form->SetCaption("オプション");
  form->Show();
  EXPECT_TRUE(ui::probe::NativeStayOnTop(*form));
  EXPECT_EQ(ui::probe::NativeBorder(*form), BorderStyle::ToolWindow);
  EXPECT_EQ(ui::probe::NativeCaption(*form), "オプション");
}

TEST_F(Contract, AScreenCentredFormIsCentredWhenFirstShown) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  form->SetBorderStyle(BorderStyle::None);
  form->SetBounds({0, 0, 201, 184});
  form->SetPosition(ui::FormPosition::ScreenCenter);
  form->Show();
  EXPECT_EQ(ui::probe::NativeBounds(*form),
            (ui::Bounds{(ui::Screen::Width() - 201) / 2, (ui::Screen::Height() - 184) / 2, 201, 184}));
}

// A window designed in one statement: its frame first, then the client size inside that frame.
TEST_F(Contract, ADesignedDialogHasItsFrameClientSizeAndPlace) {
  CountingForm* form = nullptr;
  app.CreateForm(form);
  form->Apply({.caption = "バージョン情報",
               .border = BorderStyle::Dialog,
               .stay_on_top = true,
               .position = ui::FormPosition::ScreenCenter,
               .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
               .client_width = 200,
               .client_height = 210});
  form->Show();

  EXPECT_EQ(ui::probe::NativeClientSize(*form), (ui::Size{200, 210}));
  ui::Bounds native = ui::probe::NativeBounds(*form);
  EXPECT_GT(native.height, 210) << "a caption bar lies outside the client area";
  EXPECT_EQ(native.left, (ui::Screen::Width() - native.width) / 2);
  EXPECT_EQ(native.top, (ui::Screen::Height() - native.height) / 2);
  EXPECT_TRUE(ui::probe::NativeStayOnTop(*form));
  EXPECT_EQ(ui::probe::NativeCaption(*form), "バージョン情報");
  EXPECT_EQ(ui::probe::NativeBorder(*form), BorderStyle::Dialog);
}

TEST_F(Contract, ShowModalReturnsTheResultSetWhileItRuns) {
  CountingForm* main = nullptr;
  app.CreateForm(main);
  CountingForm* dialog = nullptr;
  app.CreateForm(dialog);
  dialog->OnShow = [&] { app.Post([&] { dialog->SetModalResult(ui::ModalResult::OK); }); };

  EXPECT_EQ(dialog->ShowModal(), ui::ModalResult::OK);
  EXPECT_FALSE(ui::probe::NativeVisible(*dialog)) << "a modal window is hidden when it ends";

  dialog->OnShow = [&] { app.Post([&] { dialog->Close(); }); };
  EXPECT_EQ(dialog->ShowModal(), ui::ModalResult::Cancel) << "closing a modal window cancels it";
  EXPECT_FALSE(app.Terminated());
}
