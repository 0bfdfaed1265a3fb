#include "logsheet/log_sheet_window.h"

TMainOut* MainOut = nullptr;

TMainOut::TMainOut() : ui::Form("TMainOut") {
  SetBorderStyle(ui::BorderStyle::Sizeable);
  SetCaption("NewFile");
  SetFont({"System", -13, 0, ui::clWindowText});
  SetBounds({0, 0, 639, 229});
}
