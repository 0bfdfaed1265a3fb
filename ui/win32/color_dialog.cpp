#include "ui/win32/color_dialog.h"

#include <commdlg.h>

namespace ui::win32 {

namespace {

// The dialog's fields of the colour's red, green and blue parts.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;

Color FieldsColor(HWND dialog) {
  auto part = [&](int field) { return static_cast<Color>(GetDlgItemInt(dialog, field, nullptr, FALSE) & 0xFF); };
  return part(kRedField) | part(kGreenField) << 8 | part(kBlueField) << 16;
}

// Setting a field tells the dialog the colour.
void AnswerDialog(HWND dialog) {
  ColorDialogAnswering& a = ColorAnswering();
  a.shown.push_back(FieldsColor(dialog));
  std::optional<Color> answer = a.Next("a colour dialog");
  if (answer) {
    SetDlgItemInt(dialog, kRedField, *answer & 0xFF, FALSE);
    SetDlgItemInt(dialog, kGreenField, *answer >> 8 & 0xFF, FALSE);
    SetDlgItemInt(dialog, kBlueField, *answer >> 16 & 0xFF, FALSE);
  }
  Press(dialog, answer ? IDOK : IDCANCEL);
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
    cc.lpfnHook = &AnswerWhenFilled<&AnswerDialog>;
  }
  if (!ChooseColorA(&cc)) return std::nullopt;
  return static_cast<Color>(cc.rgbResult & 0xFFFFFF);
}

}  // namespace ui::win32
