#include "ui/win32/color_dialog.h"

#include "ui/win32/native.h"

#include <commdlg.h>

namespace ui::win32 {

namespace {

// The dialog's fields of the colour's red, green and blue parts.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;
constexpr UINT kAnswerNow = WM_APP + 1;

Color FieldsColor(HWND dialog) {
  auto part = [&](int field) { return static_cast<Color>(GetDlgItemInt(dialog, field, nullptr, FALSE) & 0xFF); };
  return part(kRedField) | part(kGreenField) << 8 | part(kBlueField) << 16;
}

// Answers once the dialog has filled its fields; setting a field tells the dialog the colour.
UINT_PTR CALLBACK AnsweringHook(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    PostMessageA(dialog, kAnswerNow, 0, 0);
    return TRUE;
  }
  if (msg != kAnswerNow) return FALSE;
  ColorDialogAnswering& a = ColorAnswering();
  a.shown.push_back(FieldsColor(dialog));
  std::optional<Color> answer;
  if (!a.answers.empty()) {
    answer = a.answers.front();
    a.answers.pop_front();
  } else if (a.on_fault) {
    a.on_fault("a colour dialog nobody answered");
  }
  if (answer) {
    SetDlgItemInt(dialog, kRedField, *answer & 0xFF, FALSE);
    SetDlgItemInt(dialog, kGreenField, *answer >> 8 & 0xFF, FALSE);
    SetDlgItemInt(dialog, kBlueField, *answer >> 16 & 0xFF, FALSE);
  }
  int button = answer ? IDOK : IDCANCEL;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  return TRUE;
}

}  // namespace

ColorDialogAnswering& ColorAnswering() {
  static ColorDialogAnswering answering;
  return answering;
}

std::optional<Color> ShowColorDialog(Color initial) {
  static COLORREF custom[16] = {};
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = GetActiveWindow() ? GetActiveWindow() : AppWindow();
  cc.rgbResult = initial & 0xFFFFFF;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_SOLIDCOLOR;
  if (ColorAnswering().active) {
    cc.Flags |= CC_ENABLEHOOK;
    cc.lpfnHook = &AnsweringHook;
  }
  if (!ChooseColorA(&cc)) return std::nullopt;
  return static_cast<Color>(cc.rgbResult & 0xFFFFFF);
}

}  // namespace ui::win32
