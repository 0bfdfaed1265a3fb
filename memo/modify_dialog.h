#pragma once
// The save confirmation for a changed file in the memo window.

#include "ui/form.h"

class TModifyDlg : public ui::Form {
 public:
  TModifyDlg();
};

extern TModifyDlg* ModifyDlg;
