#include "app/splash.h"

TOpenDlg* OpenDlg = nullptr;

namespace {

ui::Font BoldFont(int pixels, ui::Color color, unsigned extra = 0) {
  return {"ＭＳ Ｐゴシック", -pixels, ui::fsBold | extra, color};
}

void PlaceLetter(ui::Label& label, int left, int top, const char* text, ui::Font font, ui::Color background) {
  label.SetFont(font);
  label.SetColor(background);
  label.SetCaption(text);
  label.SetLeft(left);
  label.SetTop(top);
}

}  // namespace

TOpenDlg::TOpenDlg() : ui::Form("TOpenDlg") {
  Apply({.border = ui::BorderStyle::None,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = 201,
         .client_height = 184});

  Panel1.SetAlign(ui::Align::Client);
  Panel1.SetBevelOuter(ui::BevelCut::Raised);
  Panel1.SetBevelWidth(3);

  Shape3.SetBounds({8, 8, 185, 169});
  Shape3.SetBrushColor(ui::clPurple);
  Shape3.SetPen(ui::clPurple);

  Shape2.SetBounds({96, 80, 89, 89});
  Shape2.SetShape(ui::ShapeType::Square);
  Shape2.SetBrushColor(ui::clTeal);
  Shape2.SetPen(ui::clSilver, 2);

  Shape1.SetBounds({72, 48, 10, 4});
  Shape1.SetBrushColor(ui::clYellow);
  Shape1.SetPen(ui::clYellow);

  PlaceLetter(Label1, 16, 24, "ぽ", BoldFont(24, ui::clPurple), ui::clAqua);
  PlaceLetter(Label2, 40, 32, "ち", BoldFont(32, ui::clRed), ui::clBlack);
  PlaceLetter(Label4, 168, 56, "ら", BoldFont(12, ui::clNavy), ui::clFuchsia);

  PlaceLetter(Label3, 96, 35, "ver 1.0", BoldFont(13, ui::clSilver), ui::clPurple);
  Label3.SetTransparent(true);
  PlaceLetter(Label5, 24, 120, "2026年12月 公開", BoldFont(16, ui::clWhite, ui::fsItalic), ui::clPurple);
  Label5.SetTransparent(true);
}

TOpenDlg::~TOpenDlg() {
  if (OpenDlg == this) OpenDlg = nullptr;
}
