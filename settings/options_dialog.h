#pragma once
// The options window: a centred, always-on-top dialog frame captioned オプション, with a help
// button in its caption and no controls. It is made at start-up; nothing shows it.

#include "ui/form.h"

class TOptionDlg : public ui::Form {
 public:
  TOptionDlg();
};

extern TOptionDlg* OptionDlg;
