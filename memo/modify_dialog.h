#pragma once
// The save confirmation the shutdown shows modally while the memo holds unsaved changes to an
// opened file: "保存する" saves it to its path and closes, "いいえ" (or Esc) closes without saving.
// A save that fails is shown and the dialog stays, so that the user can still answer "いいえ".

#include "ui/button.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"

class TModifyDlg : public ui::Form {
 public:
  TModifyDlg();

  void FormShow();
  void Button1Click();
  void CancelBtnClick();

  ui::Bevel Bevel1{this};
  ui::Label Label1{this};
  // First in the tab order, so that it has the keyboard when the dialog opens.
  ui::Button CancelBtn{this};
  ui::Button Button1{this};
};

extern TModifyDlg* ModifyDlg;
