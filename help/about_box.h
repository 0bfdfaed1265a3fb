#pragma once
// The version box: the program's logo, its version, release and makers; OK (or Enter) closes it.
// Shown modally, above every other window.

#include "ui/button.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"

class TAboutDlg : public ui::Form {
 public:
  TAboutDlg();

  // The button's modal result ends the modal box; shown any other way, the box closes.
  void OKBtnClick() {
    if (!Modal()) Close();
  }

  ui::Bevel Bevel1{this};
  ui::Shape Shape2{this};
  ui::Label Label1{this}, Label2{this};
  ui::Shape Shape1{this};
  ui::Label Label4{this}, Label3{this};
  ui::Label Label5{this}, Label6{this};
  ui::Button OKBtn{this};
};

extern TAboutDlg* AboutDlg;
