#pragma once
// The memo's find and replace window: a small tool window without a close box, opened below the
// memo's text. Its buttons run the memo's search and replace routines on the fields' texts; "OK"
// (also Enter in either field) hides it.

#include "ui/button.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/text_controls.h"

class TReplaceDialog1 : public ui::Form {
 public:
  TReplaceDialog1();

  void FormShow();
  int TopByTheMemo() const;
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void OKBtnClick();

  ui::Bevel Bevel1{this};
  ui::Label Label1{this};
  ui::Label Label2{this};
  // Declared in the tab order: "OK" has the keyboard when the window opens.
  ui::Button OKBtn{this};
  ui::Edit Find{this};
  ui::Edit Replace{this};
  ui::Button Button1{this};
  ui::Button Button2{this};
  ui::Button Button3{this};
};

extern TReplaceDialog1* ReplaceDialog1;
