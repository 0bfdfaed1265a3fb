#pragma once
// The find and replace dialog of the memo window; closed with its OK button only.

#include "ui/form.h"

class TReplaceDialog1 : public ui::Form {
 public:
  TReplaceDialog1();
};

extern TReplaceDialog1* ReplaceDialog1;
