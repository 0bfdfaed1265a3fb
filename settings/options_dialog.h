#pragma once
// The options dialog, which edits the memo window's display settings.

#include "ui/form.h"

class TOptionDlg : public ui::Form {
 public:
  TOptionDlg();
};

extern TOptionDlg* OptionDlg;
