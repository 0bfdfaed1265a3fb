#include "help/about_box.h"

#include "help/logo.h"

TAboutDlg* AboutDlg = nullptr;

TAboutDlg::TAboutDlg() : ui::Form("TAboutDlg") {
  Apply({.caption = "バージョン情報",
         .border = ui::BorderStyle::Dialog,
         .stay_on_top = true,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .client_width = 200,
         .client_height = 210});
  Bevel1.SetBounds({8, 8, 185, 169});
  Shape2.SetShape(ui::ShapeType::Square);
  Shape2.SetBounds({96, 80, 89, 89});
  Shape2.SetBrushColor(ui::clTeal);
  Shape2.SetPen(ui::clSilver, 2);
  help::PlaceLogo(
      {Label1, Label2, Shape1, Label4, Label3},
      {.first = {16, 24}, .second = {40, 32}, .bar = {72, 48, 90, 4}, .last = {168, 56}, .version = {96, 35}});

  Label5.SetFont({"ＭＳ Ｐゴシック", -16, ui::fsBold | ui::fsItalic, ui::clWhite});
  Label5.SetTransparent(true);
  Label5.SetCaption("2026年12月 公開");
  Label5.SetLeft(24);
  Label5.SetTop(120);
  Label6.SetFont({"ＭＳ Ｐゴシック", -21, ui::fsBold | ui::fsItalic, ui::clBlack});
  Label6.SetTransparent(true);
  Label6.SetCaption("開発チーム");
  Label6.SetLeft(56);
  Label6.SetTop(144);

  OKBtn.SetBounds({8, 183, 184, 24});
  OKBtn.SetCaption("OK");
  OKBtn.SetDefault(true);
  OKBtn.SetModalResult(ui::ModalResult::OK);
  OKBtn.OnClick = [this] { OKBtnClick(); };
  SetActiveControl(&OKBtn);
}
