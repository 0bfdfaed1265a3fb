#pragma once
// The memo's find and replace window: a tool window captioned 検索・置換, without a close box,
// with no controls. It is made at start-up; nothing shows it.

#include "ui/form.h"

class TReplaceDialog1 : public ui::Form {
 public:
  TReplaceDialog1();
};

extern TReplaceDialog1* ReplaceDialog1;
