#pragma once
// The platform's common print dialog.

#include <deque>

#include "ui/print_dialog.h"

namespace ui::win32 {

PrintDialogAnswer ShowPrintDialog();
// The printers installed, local or connected.
int PrinterCount();

// For the contract tests: each dialog is answered by its OK or Cancel button, as a user would.
struct PrintDialogAnswering {
  bool active = false;
  std::deque<bool> answers;
  int shown = 0;
  void (*on_fault)(const std::string&) = nullptr;
};
PrintDialogAnswering& PrintAnswering();

}  // namespace ui::win32
