#include "app/palette.h"

TMain* Main = nullptr;

namespace {
constexpr int kPaletteWidth = 32;
constexpr int kPaletteClientHeight = 131;
}  // namespace

TMain::TMain() : ui::Form("TMain") {
  SetBorderStyle(ui::BorderStyle::ToolWindow);
  SetBorderIcons(0);
  SetStayOnTop(true);
  SetColor(ui::clBtnFace);
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  SetClientHeight(kPaletteClientHeight);
  OnCreate = [this] { FormCreate(); };
}

void TMain::FormCreate() {
  SetCaption("");
  SetWidth(kPaletteWidth);
  SetTop(0);
  SetLeft(0);
}
