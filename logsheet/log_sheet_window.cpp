#include "logsheet/log_sheet_window.h"

TMainOut* MainOut = nullptr;

TMainOut::TMainOut() : ui::Form("TMainOut") {
  SetBorderStyle(ui::BorderStyle::Sizeable);
  SetCaption("NewFile");
  SetFont({"System", -13, 0, ui::clWindowText});
  SetBounds({0, 0, 639, 229});
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
}

// The sheet's data and file commands fill these in; until then there is nothing to save or ask.
void TMainOut::mnSaveClick() {}

void TMainOut::FormCloseQuery(bool&) {}
