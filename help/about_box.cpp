#include "help/about_box.h"

TAboutDlg* AboutDlg = nullptr;

TAboutDlg::TAboutDlg() : ui::Form("TAboutDlg") {
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetStayOnTop(true);
  SetPosition(ui::FormPosition::ScreenCenter);
  SetCaption("バージョン情報");
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clBlack});
  SetClientWidth(200);
  SetClientHeight(210);
}
