#pragma once
// The log sheet: an outline notebook whose items carry notes.

#include "ui/form.h"

class TMainOut : public ui::Form {
 public:
  TMainOut();

  // "上書き保存": saves the sheet under its caption; the palette's shutdown runs it too.
  void mnSaveClick();
  // Stores the pending note and asks before changes to a named sheet are dropped.
  void FormCloseQuery(bool& can_close);
};

extern TMainOut* MainOut;
