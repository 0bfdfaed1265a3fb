#include "settings/options_dialog.h"

TOptionDlg* OptionDlg = nullptr;

TOptionDlg::TOptionDlg() : ui::Form("TOptionDlg") {
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetBorderIcons(ui::biSystemMenu | ui::biHelp);
  SetStayOnTop(true);
  SetPosition(ui::FormPosition::ScreenCenter);
  SetCaption("オプション");
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  SetClientWidth(420);
  SetClientHeight(417);
}
