#pragma once
// The window the shutdown shows modally while the memo holds unsaved changes to an opened file:
// a centred dialog frame captioned 確認, with no controls.

#include "ui/form.h"

class TModifyDlg : public ui::Form {
 public:
  TModifyDlg();
};

extern TModifyDlg* ModifyDlg;
