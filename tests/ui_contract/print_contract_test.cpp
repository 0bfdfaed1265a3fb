#include "tests/ui_contract/arranged_printer.h"
#include "tests/ui_contract/contract_fixture.h"

#include "ui/exception.h"
#include "ui/print_dialog.h"

// Each way of the print dialog is asserted where the test arranged the printers for it: on the
// headless desktop, which starts without a printer and installs the one the test asks for, both
// always. Under Wine a test can neither take the machine's printers away nor install one, so
// there the way the machine's printers allow is asserted and the other is skipped, saying why.

// Without a printer the dialog is not shown and the program hears why in words it can show.
TEST_F(Contract, WithoutAPrinterThePrintDialogIsNotShownAndSaysWhy) {
  if (ui::probe::NativePrinterCount() != 0) GTEST_SKIP() << "the machine has a printer, which a test cannot take away";
  ui::PrintDialog dialog;
  try {
    dialog.Execute();
    ADD_FAILURE() << "a print dialog without a printer";
  } catch (const ui::Exception& e) {
    EXPECT_EQ(std::string(e.what()).rfind("プリンタがインストールされていません。", 0), 0u) << e.what();
  }
  EXPECT_EQ(ui::probe::PrintDialogsShown(), 0);
}

// With a printer the dialog is shown each time: Cancel chooses none, OK a printer.
TEST_F(Contract, WithAPrinterThePrintDialogIsShownAndCancelChoosesNone) {
  InstallPrinter("契約のプリンタ");
  if (ui::probe::NativePrinterCount() == 0) GTEST_SKIP() << "no printer, and a test cannot install one here";
  ui::PrintDialog dialog;
  ui::probe::AnswerPrintDialog(false);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Printer().device, "");
  ui::probe::AnswerPrintDialog(true);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_FALSE(dialog.Printer().device.empty());
  EXPECT_EQ(ui::probe::PrintDialogsShown(), 2);
}
