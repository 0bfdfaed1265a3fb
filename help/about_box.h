#pragma once
// The version box: a centred, always-on-top dialog frame captioned バージョン情報, with no
// controls. It is made at start-up; nothing shows it.

#include "ui/form.h"

class TAboutDlg : public ui::Form {
 public:
  TAboutDlg();
};

extern TAboutDlg* AboutDlg;
