#include "settings/options_dialog.h"

TOptionDlg* OptionDlg = nullptr;

TOptionDlg::TOptionDlg() : ui::Form("TOptionDlg") {
  Apply({.caption = "オプション",
         .border = ui::BorderStyle::Dialog,
         .border_icons = ui::biSystemMenu | ui::biHelp,
         .stay_on_top = true,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = 420,
         .client_height = 417});
}
