#include "ui/win32/font_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

namespace ui::win32 {

namespace {

// The dialog's lists: faces (cmb1), styles (cmb2), sizes in points (cmb3), colours (cmb4); its
// boxes: strike-out (chx1), underline (chx2).

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}

LRESULT Item(HWND dialog, int list, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  return SendDlgItemMessageA(dialog, list, msg, wp, lp);
}

// The list's selected row's data; CB_ERR for none.
LRESULT SelectedData(HWND dialog, int list) {
  LRESULT row = Item(dialog, list, CB_GETCURSEL);
  return row == CB_ERR ? CB_ERR : Item(dialog, list, CB_GETITEMDATA, static_cast<WPARAM>(row));
}

Font FieldsFont(HWND dialog) {
  Font font;
  char face[LF_FACESIZE * 2] = {};
  LRESULT row = Item(dialog, cmb1, CB_GETCURSEL);
  if (row != CB_ERR) Item(dialog, cmb1, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(face));
  font.name = face;
  LRESULT points = SelectedData(dialog, cmb3);
  font.height = points == CB_ERR ? 0 : -MulDiv(static_cast<int>(points), ScreenDpi(), 72);
  LRESULT style = SelectedData(dialog, cmb2);
  font.style = 0;
  if (style != CB_ERR && LOWORD(style) > FW_MEDIUM) font.style |= fsBold;
  if (style != CB_ERR && HIWORD(style)) font.style |= fsItalic;
  if (IsDlgButtonChecked(dialog, chx2)) font.style |= fsUnderline;
  if (IsDlgButtonChecked(dialog, chx1)) font.style |= fsStrikeOut;
  // A colour that is not among the list's leaves it without a row; the font's default then.
  if (LRESULT color = SelectedData(dialog, cmb4); color != CB_ERR) font.color = static_cast<Color>(color);
  return font;
}

// Picks the row whose data `fits`, as the user's choice from the list, which the dialog hears of.
template <class Fits>
bool Pick(HWND dialog, int list, Fits fits) {
  LRESULT rows = Item(dialog, list, CB_GETCOUNT);
  for (LRESULT row = 0; row < rows; ++row) {
    if (!fits(Item(dialog, list, CB_GETITEMDATA, static_cast<WPARAM>(row)))) continue;
    Item(dialog, list, CB_SETCURSEL, static_cast<WPARAM>(row));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
    return true;
  }
  return false;
}

void Tick(HWND dialog, int box, bool on) {
  CheckDlgButton(dialog, box, on ? BST_CHECKED : BST_UNCHECKED);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(box, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, box)));
}

// The font set in the dialog's fields; false when the dialog does not offer it.
bool Choose(HWND dialog, const Font& font) {
  LRESULT face =
      Item(dialog, cmb1, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(font.name.c_str()));
  if (face == CB_ERR) return false;
  Item(dialog, cmb1, CB_SETCURSEL, static_cast<WPARAM>(face));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, cmb1)));
  bool bold = font.style & fsBold, italic = font.style & fsItalic;
  int points = MulDiv(font.PixelHeight(), 72, ScreenDpi());
  bool ok =
      Pick(dialog, cmb2, [&](LRESULT s) { return (LOWORD(s) > FW_MEDIUM) == bold && (HIWORD(s) != 0) == italic; }) &&
      Pick(dialog, cmb3, [&](LRESULT p) { return p == points; }) &&
      Pick(dialog, cmb4, [&](LRESULT c) { return static_cast<Color>(c) == (font.color & 0xFFFFFF); });
  Tick(dialog, chx1, font.style & fsStrikeOut);
  Tick(dialog, chx2, font.style & fsUnderline);
  return ok;
}

void AnswerDialog(HWND dialog) {
  FontDialogAnswering& a = FontAnswering();
  a.shown.push_back(FieldsFont(dialog));
  std::optional<Font> answer = a.Next("a font dialog");
  if (answer && !Choose(dialog, *answer) && a.on_fault) {
    a.Fault("the font dialog does not offer the font " + answer->name);
    answer.reset();
  }
  Press(dialog, answer ? IDOK : IDCANCEL);
}

}  // namespace

FontDialogAnswering& FontAnswering() {
  static FontDialogAnswering answering;
  return answering;
}

std::optional<Font> ShowFontDialog(const Font& initial) {
  LOGFONTA lf{};
  lf.lfHeight = initial.height;
  lf.lfWeight = initial.style & fsBold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (initial.style & fsItalic) != 0;
  lf.lfUnderline = (initial.style & fsUnderline) != 0;
  lf.lfStrikeOut = (initial.style & fsStrikeOut) != 0;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(lf.lfFaceName, initial.name.c_str(), LF_FACESIZE);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = GetActiveWindow() ? GetActiveWindow() : AppWindow();
  cf.lpLogFont = &lf;
  cf.rgbColors = Resolve(initial.color);
  cf.Flags = CF_TTONLY | CF_EFFECTS | CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (FontAnswering().active) {
    cf.Flags |= CF_ENABLEHOOK;
    cf.lpfnHook = &AnswerWhenFilled<&AnswerDialog>;
  }
  if (!ChooseFontA(&cf)) return std::nullopt;
  unsigned style = 0;
  if (lf.lfWeight > FW_MEDIUM) style |= fsBold;
  if (lf.lfItalic) style |= fsItalic;
  if (lf.lfUnderline) style |= fsUnderline;
  if (lf.lfStrikeOut) style |= fsStrikeOut;
  return Font{lf.lfFaceName, static_cast<int>(lf.lfHeight), style, static_cast<Color>(cf.rgbColors & 0xFFFFFF)};
}

}  // namespace ui::win32
