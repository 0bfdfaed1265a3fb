#pragma once
// The help viewer: section buttons on the left, the help text on the right.

#include "ui/form.h"

class THelpDlg : public ui::Form {
 public:
  THelpDlg();
};

extern THelpDlg* HelpDlg;
