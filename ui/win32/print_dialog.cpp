#include "ui/win32/print_dialog.h"

#include "ui/exception.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <string>

namespace ui::win32 {

namespace {

void AnswerDialog(HWND box) {
  PrintDialogAnswering& a = PrintAnswering();
  char title[256] = {};
  GetWindowTextA(box, title, sizeof title);
  a.shown.push_back(title);
  Press(box, a.Next("a print dialog") ? IDOK : IDCANCEL);
}

// The bytes of a movable global block, which the dialog hands back and the caller frees.
std::string TakeGlobal(HGLOBAL block) {
  if (!block) return {};
  std::string bytes;
  if (const void* p = GlobalLock(block)) {
    bytes.assign(static_cast<const char*>(p), GlobalSize(block));
    GlobalUnlock(block);
  }
  GlobalFree(block);
  return bytes;
}

}  // namespace

int PrinterCount() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return 0;
  std::string buffer(needed, '\0');
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()),
                     needed, &needed, &count)) {
    return 0;
  }
  return static_cast<int>(count);
}

PrintDialogAnswering& PrintAnswering() {
  static PrintDialogAnswering answering;
  return answering;
}

// The program says itself that there is no printer: Wine would still show its dialog, empty,
// and Windows its own box (which PD_NOWARNING keeps away).
PrintDialogAnswer ShowPrintDialog() {
  if (PrinterCount() == 0) return {PrintDialogOutcome::NoPrinter, {}};
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = GetActiveWindow() ? GetActiveWindow() : AppWindow();
  pd.Flags = PD_NOWARNING | PD_NOSELECTION | PD_NOPAGENUMS;
  if (PrintAnswering().active) AnswerWhenShown(&AnswerDialog);
  BOOL chosen = PrintDlgA(&pd);
  StopAnswering();
  std::string names = TakeGlobal(pd.hDevNames), settings = TakeGlobal(pd.hDevMode);
  if (!chosen) {
    DWORD error = CommDlgExtendedError();
    if (error == 0) return {PrintDialogOutcome::Cancelled, {}};
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) return {PrintDialogOutcome::NoPrinter, {}};
    throw Exception("印刷ダイアログを開けません (" + std::to_string(error) + ")");
  }
  PrinterChoice printer;
  if (names.size() >= sizeof(DEVNAMES)) {
    const auto* dn = reinterpret_cast<const DEVNAMES*>(names.data());
    if (dn->wDeviceOffset < names.size()) printer.device = names.c_str() + dn->wDeviceOffset;
  }
  printer.settings = std::move(settings);
  return {PrintDialogOutcome::Chosen, std::move(printer)};
}

}  // namespace ui::win32
