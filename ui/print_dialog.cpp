#include "ui/print_dialog.h"

#include "ui/application.h"
#include "ui/exception.h"

namespace ui {

bool PrintDialog::Execute() {
  PrintDialogAnswer answer = Application->Peer().PrintDialog();
  if (answer.outcome == PrintDialogOutcome::NoPrinter) {
    throw Exception("プリンタがインストールされていません。\nプリンタを追加してから印刷してください。");
  }
  if (answer.outcome != PrintDialogOutcome::Chosen) return false;
  printer_ = std::move(answer.printer);
  return true;
}

}  // namespace ui
