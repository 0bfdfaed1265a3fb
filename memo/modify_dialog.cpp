#include "memo/modify_dialog.h"

TModifyDlg* ModifyDlg = nullptr;

TModifyDlg::TModifyDlg() : ui::Form("TModifyDlg") {
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetPosition(ui::FormPosition::ScreenCenter);
  SetCaption("確認");
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  SetClientWidth(335);
  SetClientHeight(93);
}
