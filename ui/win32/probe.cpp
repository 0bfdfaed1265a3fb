#include "ui/probe.h"

#include "ui/application.h"
#include "ui/win32/color_dialog.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/font_dialog.h"
#include "ui/win32/message_box.h"
#include "ui/win32/native.h"
#include "ui/win32/print_dialog.h"
#include "ui/win32/tooltips.h"

#include <imm.h>

#include <algorithm>
#include <iterator>

namespace ui::probe {

namespace {
std::function<void(const std::string&)> fault;
std::string scratch;  // made on first use, removed with the session

void RemoveScratch() {
  if (scratch.empty()) return;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((scratch + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((scratch + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(scratch.c_str());
  scratch.clear();
}

std::string KeyPath(const std::string& key) { return key.empty() || key[0] != '\\' ? key : key.substr(1); }
void ReportFault(const std::string& what) {
  if (fault) fault(what);
}
// The message boxes and every common dialog, answered by the test while a session lasts.
template <class Act>
void ForEachAnswering(Act act) {
  act(win32::Answering());
  act(win32::FileAnswering());
  act(win32::PrintAnswering());
  act(win32::ColorAnswering());
  act(win32::FontAnswering());
}
}  // namespace

// The program runs from where the test's executable lies.
Session::Session(std::function<void(const std::string&)> on_fault, std::string) {
  fault = std::move(on_fault);
  ForEachAnswering([](auto& answering) { answering.Arm(&ReportFault); });
}

Session::~Session() {
  RemoveScratch();
  ForEachAnswering([](auto& answering) { answering = {}; });
  fault = nullptr;
}

void Pump() { Application->ProcessMessages(); }

void RunFor(int ms) {
  DWORD start = GetTickCount();
  while (static_cast<int>(GetTickCount() - start) < ms) {
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  Application->ProcessMessages();
}

void Answer(ModalResult answer) { win32::Answering().answers.push_back(answer); }

std::vector<ShownBox> Boxes() {
  std::vector<ShownBox> shown;
  for (auto& box : win32::Answering().shown) shown.push_back({box.text, box.title, box.icon});
  return shown;
}

namespace {
HWND WindowOf(const WinControl& control) { return win32::HandleOf(*control.Peer()); }
HWND WindowOf(const Form& form) { return win32::HandleOf(form.Native()); }
const win32::NativeWindow<FormPeer>& NativeOf(const Form& form) {
  return dynamic_cast<const win32::NativeWindow<FormPeer>&>(form.Native());
}
DWORD Style(const Form& form) { return static_cast<DWORD>(GetWindowLongA(WindowOf(form), GWL_STYLE)); }
DWORD ExStyle(const Form& form) { return static_cast<DWORD>(GetWindowLongA(WindowOf(form), GWL_EXSTYLE)); }
}  // namespace

void AnswerFileDialog(std::optional<std::string> name, bool read_only) {
  win32::FileAnswering().answers.push_back({std::move(name), read_only});
}

std::vector<ShownFileDialog> FileDialogs() {
  std::vector<ShownFileDialog> shown;
  for (auto& d : win32::FileAnswering().shown) shown.push_back({d.title, d.file_name, d.types, d.read_only_box});
  return shown;
}

void AnswerColorDialog(std::optional<Color> chosen) { win32::ColorAnswering().answers.push_back(chosen); }
std::vector<Color> ColorDialogs() { return win32::ColorAnswering().shown; }

void AnswerFontDialog(std::optional<Font> chosen) { win32::FontAnswering().answers.push_back(std::move(chosen)); }
std::vector<Font> FontDialogs() { return win32::FontAnswering().shown; }

void AnswerPrintDialog(bool print) { win32::PrintAnswering().answers.push_back(print); }
int PrintDialogsShown() { return static_cast<int>(win32::PrintAnswering().shown.size()); }

int NativePrinterCount() { return win32::PrinterCount(); }

bool NativeVisible(const Form& form) { return IsWindowVisible(WindowOf(form)) != FALSE; }

Bounds NativeBounds(const Form& form) { return win32::ScreenBoundsOf(WindowOf(form)); }

Size NativeClientSize(const Form& form) {
  RECT r;
  GetClientRect(WindowOf(form), &r);
  return {r.right, r.bottom};
}

std::string NativeCaption(const Form& form) {
  char caption[512] = {};
  GetWindowTextA(WindowOf(form), caption, sizeof caption);
  return caption;
}

// The frame as the window's styles make it.
BorderStyle NativeBorder(const Form& form) {
  DWORD style = Style(form), ex = ExStyle(form);
  bool sizes = style & WS_THICKFRAME;
  if (ex & WS_EX_TOOLWINDOW) return sizes ? BorderStyle::SizeToolWin : BorderStyle::ToolWindow;
  if (ex & WS_EX_DLGMODALFRAME) return BorderStyle::Dialog;
  if (sizes) return BorderStyle::Sizeable;
  if ((style & WS_CAPTION) == WS_CAPTION) return BorderStyle::Single;
  return BorderStyle::None;
}

bool NativeStayOnTop(const Form& form) { return (ExStyle(form) & WS_EX_TOPMOST) != 0; }

ImeMode NativeIme(const Form& form) {
  HWND hwnd = WindowOf(form);
  HIMC context = ImmGetContext(hwnd);
  if (!context) return ImeMode::Off;
  DWORD conversion = 0, sentence = 0;
  bool hiragana = ImmGetOpenStatus(context) && ImmGetConversionStatus(context, &conversion, &sentence) &&
                  (conversion & IME_CMODE_NATIVE);
  ImmReleaseContext(hwnd, context);
  return hiragana ? ImeMode::Hiragana : ImeMode::Off;
}

int NativeMoves(const Form& form) { return NativeOf(form).moves(); }
int NativeResizes(const Form& form) { return NativeOf(form).resizes(); }

bool NativeOnScreen(const Form& form) {
  HWND hwnd = WindowOf(form);
  if (!IsWindowVisible(hwnd)) return false;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  int kind = GetWindowRgn(hwnd, region);
  DeleteObject(region);
  return kind != NULLREGION;
}

int NativePaints(const WinControl& control) {
  auto& target = dynamic_cast<const win32::MessageTarget&>(*control.Peer());
  if (auto* f = dynamic_cast<const win32::NativeWindow<FormPeer>*>(&target)) return f->paints();
  if (auto* w = dynamic_cast<const win32::NativeWindow<WindowPeer>*>(&target)) return w->paints();
  return 0;
}

Bounds NativePlace(const WinControl& control) {
  HWND hwnd = WindowOf(control);
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return win32::BoundsOf(r);
}

namespace {
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM into) {
  reinterpret_cast<std::vector<HWND>*>(into)->push_back(hwnd);
  return TRUE;
}
}  // namespace

// The desktop's top-level windows from the top down, those of the program's forms kept.
std::vector<Form*> NativeWindows() {
  std::vector<HWND> all;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<Form*> windows;
  for (HWND hwnd : all) {
    for (const auto& form : Application->Forms()) {
      if (WindowOf(*form) == hwnd) windows.push_back(form.get());
    }
  }
  return windows;
}

std::string NativeApplicationTitle() {
  char title[512] = {};
  GetWindowTextA(win32::AppWindow(), title, sizeof title);
  return title;
}

std::string NativeHint(const WinControl& control) { return win32::TooltipText(WindowOf(control)); }
Color NativeHintColor() { return static_cast<Color>(win32::TooltipBackground()); }
bool NativeFocused(const WinControl& control) { return GetFocus() == WindowOf(control); }

int NativeFirstVisibleLine(const TextControl& control) {
  return static_cast<int>(SendMessageA(WindowOf(control), EM_GETFIRSTVISIBLELINE, 0, 0));
}

Cursor NativeCursor() {
  HCURSOR shown = GetCursor();
  for (Cursor c : {Cursor::HourGlass, Cursor::Drag, Cursor::HSplit, Cursor::VSplit}) {
    if (shown == win32::CursorHandle(c)) return c;
  }
  return Cursor::Default;
}

// The platform asks the window for its cursor as the pointer moves over its client area.
Cursor NativeCursorOver(const TextControl& control) {
  HWND hwnd = WindowOf(control);
  SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return NativeCursor();
}

Cursor NativeCursorOver(const Panel& panel) {
  HWND hwnd = WindowOf(panel);
  SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return NativeCursor();
}

Size NativeClientSize(const WinControl& control) {
  RECT r;
  GetClientRect(WindowOf(control), &r);
  return {r.right, r.bottom};
}

ScrollBarState NativeScrollBar(const ScrollBox& box) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(WindowOf(box), SB_VERT, &info);
  return {info.nMax + 1, static_cast<int>(info.nPage), info.nPos};
}

// The bar's messages as the platform sends them: a drag of the thumb ends with its last place.
void Scroll(ScrollBox& box, ScrollRequest request, int thumb) {
  HWND hwnd = WindowOf(box);
  WORD code = SB_ENDSCROLL;
  switch (request) {
    case ScrollRequest::LineUp:
      code = SB_LINEUP;
      break;
    case ScrollRequest::LineDown:
      code = SB_LINEDOWN;
      break;
    case ScrollRequest::PageUp:
      code = SB_PAGEUP;
      break;
    case ScrollRequest::PageDown:
      code = SB_PAGEDOWN;
      break;
    case ScrollRequest::Top:
      code = SB_TOP;
      break;
    case ScrollRequest::Bottom:
      code = SB_BOTTOM;
      break;
    case ScrollRequest::Thumb: {
      // The thumb's place comes from the bar's track position, which only a drag sets: the
      // bar is given that place, as the drag would leave it.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_POS;
      info.nPos = thumb;
      SetScrollInfo(hwnd, SB_VERT, &info, FALSE);
      code = SB_THUMBPOSITION;
      break;
    }
  }
  SendMessageA(hwnd, WM_VSCROLL, MAKEWPARAM(code, request == ScrollRequest::Thumb ? thumb : 0), 0);
  Pump();
}

void Wheel(ScrollBox& box, int notches_down) {
  SendMessageA(WindowOf(box), WM_MOUSEWHEEL, MAKEWPARAM(0, -notches_down * WHEEL_DELTA), 0);
  Pump();
}

Cursor NativeCursorOver(const OutlineView& view) {
  HWND hwnd = WindowOf(view);
  SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return NativeCursor();
}

HitArea NativeHitTest(const Form& form, Point client) {
  HWND hwnd = WindowOf(form);
  POINT p{client.x, client.y};
  ClientToScreen(hwnd, &p);
  LRESULT r = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  return r == HTCLIENT ? HitArea::Client : r == HTCAPTION ? HitArea::Caption : HitArea::Other;
}

namespace {
// The left button pressed and released at a point of the window's client area, through the
// window's queue as the user's click comes.
void PostClick(HWND hwnd, LPARAM at = MAKELPARAM(5, 5)) {
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
  Pump();
}
}  // namespace

void Click(SpeedButton& button) { PostClick(WindowOf(button)); }

std::string NativeCaption(const Button& button) {
  char caption[512] = {};
  GetWindowTextA(WindowOf(button), caption, sizeof caption);
  return caption;
}

void Click(Button& button) { PostClick(WindowOf(button)); }

void Click(CheckBox& box) { PostClick(WindowOf(box)); }

bool NativeChecked(const CheckBox& box) { return SendMessageA(WindowOf(box), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string NativeCaption(const CheckBox& box) {
  char caption[512] = {};
  GetWindowTextA(WindowOf(box), caption, sizeof caption);
  return caption;
}

// The colour the box's parent sets for its caption when the box asks, as it does at each paint.
Color NativeCaptionColor(const CheckBox& box) {
  HWND hwnd = WindowOf(box);
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(GetParent(hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
  COLORREF color = GetTextColor(dc);
  DeleteDC(dc);
  return static_cast<Color>(color);
}

// The row is scrolled into view first, as the user would.
namespace {
// Where a row of the list is, scrolled into view first.
LPARAM RowPoint(HWND hwnd, int row) {
  RECT r{}, client{};
  GetClientRect(hwnd, &client);
  SendMessageA(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  if (r.top < 0 || r.bottom > client.bottom) {
    SendMessageA(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    SendMessageA(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  }
  return MAKELPARAM(r.left + 2, (r.top + r.bottom) / 2);
}
}  // namespace

void ClickRow(ListBox& list, int row) {
  HWND hwnd = WindowOf(list);
  PostClick(hwnd, RowPoint(hwnd, row));
}

void DoubleClickRow(ListBox& list, int row) {
  HWND hwnd = WindowOf(list);
  const LPARAM at = RowPoint(hwnd, row);
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
  PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
  Pump();
}

std::vector<std::string> NativeItems(const ListBox& list) {
  HWND hwnd = WindowOf(list);
  std::vector<std::string> rows;
  auto n = SendMessageA(hwnd, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::string row(static_cast<std::size_t>(SendMessageA(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
    row.resize(static_cast<std::size_t>(
        SendMessageA(hwnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()))));
    rows.push_back(row);
  }
  return rows;
}

int NativeItemIndex(const ListBox& list) {
  auto index = SendMessageA(WindowOf(list), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

bool NativeVisible(const WinControl& control) {
  return (GetWindowLongA(WindowOf(control), GWL_STYLE) & WS_VISIBLE) != 0;
}
bool NativeEnabled(const WinControl& control) { return IsWindowEnabled(WindowOf(control)) != FALSE; }

ImeMode NativeIme(Edit& edit) {
  HWND hwnd = WindowOf(edit);
  SetFocus(hwnd);
  Pump();
  HIMC context = ImmGetContext(hwnd);
  if (!context) return ImeMode::Off;
  bool open = ImmGetOpenStatus(context) != FALSE;
  ImmReleaseContext(hwnd, context);
  return open ? ImeMode::Hiragana : ImeMode::Off;
}

void ClickAt(OutlineView& view, Point at) {
  HWND hwnd = WindowOf(view);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  Pump();
}

void Focus(WinControl& control) {
  SetFocus(WindowOf(control));
  Pump();
}

namespace {
// A key's message parameter: one press, the key's scan code, and for its release the flags of a
// key that was down and goes up.
LPARAM KeyParam(int key, bool up) {
  auto scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
  return 1 | scan << 16 | (up ? static_cast<LPARAM>(0xC0000000u) : 0);
}
}  // namespace

int NativeBeeps() { return win32::beeps_sounded; }

void DoubleClickAt(OutlineView& view, Point at) {
  HWND hwnd = WindowOf(view);
  LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, where);
  SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, where);
  Pump();
}

// The modifier keys are held in the thread's keyboard state, where the window reads them, for
// as long as the key goes down.
namespace {
class HeldModifiers {
 public:
  explicit HeldModifiers(unsigned shift) {
    GetKeyboardState(saved_);
    BYTE held[256];
    std::copy(std::begin(saved_), std::end(saved_), held);
    if (shift & ssShift) held[VK_SHIFT] |= 0x80;
    if (shift & ssCtrl) held[VK_CONTROL] |= 0x80;
    if (shift & ssAlt) held[VK_MENU] |= 0x80;
    SetKeyboardState(held);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  BYTE saved_[256];
};
}  // namespace

void KeyDown(OutlineView& view, int key, unsigned shift) {
  {
    HeldModifiers held(shift);
    SendMessageA(WindowOf(view), WM_KEYDOWN, static_cast<WPARAM>(key), KeyParam(key, false));
  }
  Pump();
}

// Posted, the key goes through the message loop as the user's would, past the window's dialog
// keys; the modifier keys are held until it has been dispatched.
namespace {
void PostKeyPress(HWND hwnd, int key, unsigned shift) {
  SetFocus(hwnd);
  {
    HeldModifiers held(shift);
    PostMessageA(hwnd, WM_KEYDOWN, static_cast<WPARAM>(key), KeyParam(key, false));
    Pump();
  }
  PostMessageA(hwnd, WM_KEYUP, static_cast<WPARAM>(key), KeyParam(key, true));
  Pump();
}
}  // namespace

void PressKey(Button& button, int key, unsigned shift) { PostKeyPress(WindowOf(button), key, shift); }

// Posted, through the message loop, which makes the key's character.
void PressKey(Edit& edit, int key, unsigned shift) { PostKeyPress(WindowOf(edit), key, shift); }

void PressKey(CheckBox& box, int key, unsigned shift) { PostKeyPress(WindowOf(box), key, shift); }

void PressInWindow(WinControl& control, int key, unsigned shift) { PostKeyPress(WindowOf(control), key, shift); }

void Char(OutlineView& view, std::string_view ch) {
  if (ch.size() == 1) SendMessageA(WindowOf(view), WM_CHAR, static_cast<unsigned char>(ch[0]), 1);
  Pump();
}

void KeyUp(OutlineView& view, int key) {
  SendMessageA(WindowOf(view), WM_KEYUP, static_cast<WPARAM>(key), KeyParam(key, true));
  Pump();
}

void KeyDown(TextControl& control, int key) {
  SendMessageA(WindowOf(control), WM_KEYDOWN, static_cast<WPARAM>(key), KeyParam(key, false));
  Pump();
}

// A double-byte character comes whole, as the input method gives it: as its code point to a
// control that says it takes one, else as the pair of bytes. A control reads the bytes of an
// ANSI character message one at a time, each as a character of its own.
void Char(TextControl& control, std::string_view ch) {
  HWND hwnd = WindowOf(control);
  if (ch.size() == 2 && SendMessageA(hwnd, WM_UNICHAR, UNICODE_NOCHAR, 0)) {
    wchar_t wide = 0;
    MultiByteToWideChar(CP_ACP, 0, ch.data(), 2, &wide, 1);
    SendMessageA(hwnd, WM_UNICHAR, wide, 1);
  } else if (ch.size() == 2) {
    auto pair = static_cast<WPARAM>(static_cast<unsigned char>(ch[0]) << 8 | static_cast<unsigned char>(ch[1]));
    SendMessageA(hwnd, WM_IME_CHAR, pair, 1);
  } else if (ch.size() == 1) {
    SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(ch[0]), 1);
  }
  Pump();
}

void KeyUp(TextControl& control, int key) {
  SendMessageA(WindowOf(control), WM_KEYUP, static_cast<WPARAM>(key), KeyParam(key, true));
  Pump();
}

namespace {
UINT ButtonMessage(MouseButton button, bool down) {
  switch (button) {
    case MouseButton::Left:
      return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::Right:
      return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::Middle:
      return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return WM_NULL;
}
}  // namespace

void MouseDown(WinControl& control, MouseButton button, Point at) {
  SendMessageA(WindowOf(control), ButtonMessage(button, true), 0, MAKELPARAM(at.x, at.y));
  Pump();
}

void MouseMove(WinControl& control, Point at) {
  SendMessageA(WindowOf(control), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  Pump();
}

void MouseUp(WinControl& control, MouseButton button, Point at) {
  SendMessageA(WindowOf(control), ButtonMessage(button, false), 0, MAKELPARAM(at.x, at.y));
  Pump();
}

// The platform's move by the caption is a loop that follows the real pointer; its end is a move.
void DragSurface(Form& form, Point client, Point to) {
  if (NativeHitTest(form, client) == HitArea::Caption) MoveByUser(form, to);
}

void MoveByUser(Form& form, Point to) {
  SetWindowPos(WindowOf(form), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
}

void CloseByUser(Form& form) {
  SendMessageA(WindowOf(form), WM_CLOSE, 0, 0);
  Pump();
}

void PutOnClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) {
    ReportFault("cannot open the clipboard");
    return;
  }
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  char* bytes = static_cast<char*>(GlobalLock(memory));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::optional<std::string> NativeClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE memory = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return text;
}

std::string ScratchFolder() {
  if (!scratch.empty()) return scratch;
  char temp[MAX_PATH];
  DWORD n = GetTempPathA(sizeof temp, temp);
  std::string base(temp, n);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (unsigned i = GetTickCount();; ++i) {
    std::string folder = base + "\\pochira-contract-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(i);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return scratch = folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return scratch = base;
  }
}

void PlantRegistryValue(const std::string& key, const std::string& name, const RegistryValue& value) {
  HKEY h = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
      ERROR_SUCCESS) {
    ReportFault("cannot create registry key " + key);
    return;
  }
  RegSetValueExA(h, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                 static_cast<DWORD>(value.data.size()));
  RegCloseKey(h);
}

std::optional<RegistryValue> NativeRegistryValue(const std::string& key, const std::string& name) {
  HKEY h = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<RegistryValue> value;
  if (RegQueryValueExA(h, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string data(size, '\0');
    if (RegQueryValueExA(h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
        ERROR_SUCCESS) {
      data.resize(size);
      value = RegistryValue{type, data};
    }
  }
  RegCloseKey(h);
  return value;
}

bool NativeRegistryKeyExists(const std::string& key) {
  HKEY h = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

void DeleteRegistryKey(const std::string& key) { RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath(key).c_str()); }

}  // namespace ui::probe

namespace ui::probe {

namespace {
void Describe(HMENU menu, const std::string& indent, std::vector<std::string>& lines) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char caption[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      lines.push_back(indent + "-");
      continue;
    }
    lines.push_back(indent + caption + ((info.fState & MFS_CHECKED) ? " (checked)" : "") +
                    ((info.fState & MFS_GRAYED) ? " (disabled)" : ""));
    if (info.hSubMenu) Describe(info.hSubMenu, indent + "  ", lines);
  }
}
}  // namespace

std::vector<std::string> NativeMenuBar(const Form& form) {
  std::vector<std::string> lines;
  if (HMENU bar = GetMenu(WindowOf(form))) Describe(bar, "", lines);
  return lines;
}

// The messages the platform's menu loop sends the window as the user goes down the bar; the
// command comes posted, after the menus have closed.
void ChooseFromMenuBar(Form& form, const std::vector<std::string>& captions) {
  HWND window = WindowOf(form);
  HMENU menu = GetMenu(window);
  if (!menu) return;
  SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  menu = GetMenu(window);
  for (const std::string& caption : captions) {
    int found = -1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[256] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      if (ShowsCaption(text, caption)) found = i;
    }
    if (found < 0 || (GetMenuState(menu, static_cast<UINT>(found), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED))) break;
    if (HMENU sub = GetSubMenu(menu, found)) {
      SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(found, FALSE));
      menu = sub;
      continue;
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, found), 0), 0);
    break;
  }
  SendMessageA(window, WM_EXITMENULOOP, FALSE, 0);
  Pump();
}

std::vector<std::string> NativeMenu(MenuItem& root) {
  std::map<UINT, MenuItem*> ids;
  HMENU menu = win32::BuildMenu(root, ids);
  std::vector<std::string> lines;
  Describe(menu, "", lines);
  DestroyMenu(menu);
  return lines;
}

}  // namespace ui::probe
