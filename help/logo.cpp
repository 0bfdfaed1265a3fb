#include "help/logo.h"

namespace help {

namespace {

void Letter(ui::Label& label, const char* text, ui::Point at, int pixels, ui::Color color, ui::Color background) {
  label.SetFont({"ＭＳ Ｐゴシック", -pixels, ui::fsBold, color});
  label.SetColor(background);
  label.SetCaption(text);
  label.SetLeft(at.x);
  label.SetTop(at.y);
}

}  // namespace

void PlaceLogo(const LogoParts& parts, const LogoPlaces& at) {
  Letter(parts.first, "ぽ", at.first, 24, ui::clPurple, ui::clAqua);
  Letter(parts.second, "ち", at.second, 32, ui::clRed, ui::clBlack);
  parts.bar.SetBounds(at.bar);
  parts.bar.SetBrushColor(ui::clYellow);
  parts.bar.SetPen(ui::clYellow);
  Letter(parts.last, "ら", at.last, 12, ui::clNavy, ui::clFuchsia);
  parts.version.SetFont({"ＭＳ Ｐゴシック", -13, ui::fsBold, at.version_color});
  parts.version.SetTransparent(true);
  parts.version.SetCaption("ver 1.0");
  parts.version.SetLeft(at.version.x);
  parts.version.SetTop(at.version.y);
}

}  // namespace help
