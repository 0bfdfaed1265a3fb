#include "memo/modify_dialog.h"

TModifyDlg* ModifyDlg = nullptr;

TModifyDlg::TModifyDlg() : ui::Form("TModifyDlg") {
  Apply({.caption = "確認",
         .border = ui::BorderStyle::Dialog,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = 335,
         .client_height = 93});
}
