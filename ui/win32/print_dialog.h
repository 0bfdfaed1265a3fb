#pragma once
// The platform's common print dialog.

#include <string>

#include "ui/print_dialog.h"
#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

PrintDialogAnswer ShowPrintDialog();
// The printers installed, local or connected.
int PrinterCount();

// For the contract tests: each dialog is answered by its OK button (true) or Cancel, as a user
// would; its title is kept.
using PrintDialogAnswering = DialogAnswering<bool, std::string>;
PrintDialogAnswering& PrintAnswering();

}  // namespace ui::win32
