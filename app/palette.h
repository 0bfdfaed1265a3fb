#pragma once
// The select-button palette: the application's main window, a narrow always-on-top tool
// window from which the user reaches everything else.

#include "ui/form.h"

class TMain : public ui::Form {
 public:
  TMain();

  void FormCreate();
};

extern TMain* Main;
