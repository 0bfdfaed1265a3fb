#pragma once
// The help window, which the palette's help button shows: a centred dialog frame captioned Help,
// with no controls.

#include "ui/form.h"

class THelpDlg : public ui::Form {
 public:
  THelpDlg();
};

extern THelpDlg* HelpDlg;
