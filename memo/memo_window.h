#pragma once
// The memo window: a borderless sticky memo that grows with its text.

#include "ui/form.h"

class TForm1 : public ui::Form {
 public:
  TForm1();
};

extern TForm1* Form1;
