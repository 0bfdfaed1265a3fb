#include "tests/ui_contract/contract_fixture.h"

#include "ui/exception.h"
#include "ui/print_dialog.h"

// Without a printer the dialog is not shown and the program hears why in words it can show; with
// one, Cancel chooses nothing.
TEST_F(Contract, ThePrintDialogSaysWhenThereIsNoPrinterAndCancelChoosesNone) {
  ui::PrintDialog dialog;
  if (ui::probe::NativePrinterCount() == 0) {
    try {
      dialog.Execute();
      ADD_FAILURE() << "a print dialog without a printer";
    } catch (const ui::Exception& e) {
      EXPECT_EQ(std::string(e.what()).rfind("プリンタがインストールされていません。", 0), 0u) << e.what();
    }
    EXPECT_EQ(ui::probe::PrintDialogsShown(), 0);
    return;
  }
  ui::probe::AnswerPrintDialog(false);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(ui::probe::PrintDialogsShown(), 1);
}
