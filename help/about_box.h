#pragma once
// The version box.

#include "ui/form.h"

class TAboutDlg : public ui::Form {
 public:
  TAboutDlg();
};

extern TAboutDlg* AboutDlg;
