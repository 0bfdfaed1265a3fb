#pragma once
// The log sheet: an outline notebook whose items carry notes.

#include "ui/form.h"

class TMainOut : public ui::Form {
 public:
  TMainOut();
};

extern TMainOut* MainOut;
