#include "help/about_box.h"

TAboutDlg* AboutDlg = nullptr;

TAboutDlg::TAboutDlg() : ui::Form("TAboutDlg") {
  Apply({.caption = "バージョン情報",
         .border = ui::BorderStyle::Dialog,
         .stay_on_top = true,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .client_width = 200,
         .client_height = 210});
}
