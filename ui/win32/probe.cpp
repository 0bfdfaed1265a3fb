#include "ui/probe.h"

#include "ui/application.h"
#include "ui/win32/message_box.h"
#include "ui/win32/native.h"
#include "ui/win32/tooltips.h"

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
}  // namespace

Session::Session(std::function<void(const std::string&)> on_fault) {
  fault = std::move(on_fault);
  win32::Answering() = {};
  win32::Answering().active = true;
  win32::Answering().on_fault = &ReportFault;
}

Session::~Session() {
  RemoveScratch();
  win32::Answering() = {};
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
  for (auto& [text, title] : win32::Answering().shown) shown.push_back({text, title});
  return shown;
}

bool NativeVisible(const Form& form) { return IsWindowVisible(win32::HandleOf(form.Native())) != FALSE; }

Bounds NativeBounds(const Form& form) { return win32::ScreenBoundsOf(win32::HandleOf(form.Native())); }

Size NativeClientSize(const Form& form) {
  RECT r;
  GetClientRect(win32::HandleOf(form.Native()), &r);
  return {r.right, r.bottom};
}

void Click(SpeedButton& button) {
  HWND hwnd = win32::HandleOf(*button.Peer());
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
}

std::string NativeHint(const WinControl& control) { return win32::TooltipText(win32::HandleOf(*control.Peer())); }

bool NativeFocused(const WinControl& control) { return GetFocus() == win32::HandleOf(*control.Peer()); }

HitArea NativeHitTest(const Form& form, Point client) {
  HWND hwnd = win32::HandleOf(form.Native());
  POINT p{client.x, client.y};
  ClientToScreen(hwnd, &p);
  LRESULT r = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  return r == HTCLIENT ? HitArea::Client : r == HTCAPTION ? HitArea::Caption : HitArea::Other;
}

void KeyDown(TextControl& control, int key) {
  HWND hwnd = win32::HandleOf(*control.Peer());
  SendMessageA(hwnd, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  SendMessageA(hwnd, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
  Pump();
}

void Mouse(TextControl& control, MouseButton button, bool down, Point at) {
  UINT msg = button == MouseButton::Left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP)
             : button == MouseButton::Right ? (down ? WM_RBUTTONDOWN : WM_RBUTTONUP)
                                             : (down ? WM_MBUTTONDOWN : WM_MBUTTONUP);
  SendMessageA(win32::HandleOf(*control.Peer()), msg, 0, MAKELPARAM(at.x, at.y));
  Pump();
}

void MouseMove(TextControl& control, Point at) {
  SendMessageA(win32::HandleOf(*control.Peer()), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  Pump();
}

void MoveByUser(Form& form, Point to) {
  SetWindowPos(win32::HandleOf(form.Native()), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
}

bool NativeStayOnTop(const Form& form) {
  return (GetWindowLongA(win32::HandleOf(form.Native()), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int NativePaints(const WinControl& control) {
  auto& target = dynamic_cast<const win32::MessageTarget&>(*control.Peer());
  if (auto* f = dynamic_cast<const win32::NativeWindow<FormPeer>*>(&target)) return f->paints();
  if (auto* w = dynamic_cast<const win32::NativeWindow<WindowPeer>*>(&target)) return w->paints();
  return 0;
}

namespace {
const win32::NativeWindow<FormPeer>& WindowOf(const Form& form) {
  return dynamic_cast<const win32::NativeWindow<FormPeer>&>(form.Native());
}
}  // namespace

int NativeMoves(const Form& form) { return WindowOf(form).moves(); }
int NativeResizes(const Form& form) { return WindowOf(form).resizes(); }
bool NativeOnScreen(const Form& form) {
  HWND hwnd = WindowOf(form).hwnd();
  if (!IsWindowVisible(hwnd)) return false;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  int kind = GetWindowRgn(hwnd, region);
  DeleteObject(region);
  return kind != NULLREGION;
}

void ClickAt(OutlineView& view, Point at) {
  HWND hwnd = win32::HandleOf(*view.Peer());
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void Focus(WinControl& control) { SetFocus(win32::HandleOf(*control.Peer())); }

Cursor NativeCursor() {
  HCURSOR shown = GetCursor();
  if (shown == LoadCursorA(nullptr, IDC_WAIT)) return Cursor::HourGlass;
  if (shown == LoadCursorA(nullptr, IDC_SIZEWE)) return Cursor::HSplit;
  return Cursor::Default;
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

void PlantRegistryString(const std::string& key, const std::string& name, const std::string& text) {
  HKEY h = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
      ERROR_SUCCESS) {
    ReportFault("cannot create registry key " + key);
    return;
  }
  RegSetValueExA(h, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(h);
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
    lines.push_back(indent + caption + ((info.fState & MFS_GRAYED) ? " (disabled)" : ""));
    if (info.hSubMenu) Describe(info.hSubMenu, indent + "  ", lines);
  }
}
}  // namespace

std::vector<std::string> NativeMenu(MenuItem& root) {
  std::map<UINT, MenuItem*> ids;
  HMENU menu = win32::BuildMenu(root, ids);
  std::vector<std::string> lines;
  Describe(menu, "", lines);
  DestroyMenu(menu);
  return lines;
}

}  // namespace ui::probe
