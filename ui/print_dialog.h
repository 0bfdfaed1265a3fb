#pragma once
// The platform's print dialog and the printer it chooses. A text control prints on the chosen
// printer (RichEdit::Print).

#include <string>

namespace ui {

// A printer as the platform names it, with the settings the user gave it in the dialog (the
// platform's own bytes, which the program does not read).
struct PrinterChoice {
  std::string device;
  std::string settings;
};

enum class PrintDialogOutcome { Chosen, Cancelled, NoPrinter };

struct PrintDialogAnswer {
  PrintDialogOutcome outcome = PrintDialogOutcome::Cancelled;
  PrinterChoice printer;
};

class PrintDialog {
 public:
  // Modal, owned by the active window. True when the user chose a printer and pressed OK; false
  // on cancel. A desktop without any printer is a ui::Exception that says so.
  bool Execute();
  const PrinterChoice& Printer() const { return printer_; }

 private:
  PrinterChoice printer_;
};

}  // namespace ui
