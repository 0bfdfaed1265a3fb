#pragma once
// The splash: a small borderless window with the product's logo and the progress bar that the
// start-up advances as it creates the windows.

#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/panel.h"

class TOpenDlg : public ui::Form {
 public:
  TOpenDlg();
  ~TOpenDlg() override;

  ui::Panel Panel1{this};
  ui::Shape Shape3{&Panel1};
  ui::Shape Shape2{&Panel1};
  ui::Shape Shape1{&Panel1};  // the progress bar
  ui::Label Label1{&Panel1};
  ui::Label Label2{&Panel1};
  ui::Label Label4{&Panel1};
  ui::Label Label3{&Panel1};
  ui::Label Label5{&Panel1};
};

// Set while the splash exists; it is gone once the event loop has run.
extern TOpenDlg* OpenDlg;
