#include "help/help_viewer.h"

THelpDlg* HelpDlg = nullptr;

THelpDlg::THelpDlg() : ui::Form("THelpDlg") {
  Apply({.caption = "Help",
         .border = ui::BorderStyle::Dialog,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .client_width = 406,
         .client_height = 397});
}
