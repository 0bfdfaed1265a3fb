#include "help/help_viewer.h"

THelpDlg* HelpDlg = nullptr;

THelpDlg::THelpDlg() : ui::Form("THelpDlg") {
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetPosition(ui::FormPosition::ScreenCenter);
  SetCaption("Help");
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clBlack});
  SetClientWidth(406);
  SetClientHeight(397);
}
