#include "ui/win32/message_box.h"

#include "ui/application.h"

namespace ui::win32 {

namespace {

constexpr int kTextId = 0xFFFF;  // the static control that holds a message box's text
HHOOK hook = nullptr;

std::string ItemText(HWND box, int id) {
  char text[1024] = {};
  GetDlgItemTextA(box, id, text, sizeof text);
  return text;
}

// The picture the box shows beside its text, told by the system's shared icon it holds; the
// picture's control has one number on Windows and another under Wine.
MsgIcon IconShown(HWND box) {
  for (int id : {0x14, 0x440}) {
    HWND picture = GetDlgItem(box, id);
    if (!picture) continue;
    auto shown = reinterpret_cast<HICON>(SendMessageA(picture, STM_GETICON, 0, 0));
    if (shown == LoadIconA(nullptr, IDI_QUESTION)) return MsgIcon::Question;
    if (shown == LoadIconA(nullptr, IDI_WARNING)) return MsgIcon::Warning;
    if (shown == LoadIconA(nullptr, IDI_ERROR)) return MsgIcon::Error;
    if (shown == LoadIconA(nullptr, IDI_INFORMATION)) return MsgIcon::Information;
  }
  return MsgIcon::None;
}

// Once the box exists: captions for its buttons; in a contract test, the scripted answer.
LRESULT CALLBACK OnBoxActivate(int code, WPARAM wp, LPARAM lp) {
  if (code != HCBT_ACTIVATE) return CallNextHookEx(hook, code, wp, lp);
  HWND box = reinterpret_cast<HWND>(wp);
  UnhookWindowsHookEx(hook);
  hook = nullptr;
  for (ModalResult r : {ModalResult::OK, ModalResult::Cancel, ModalResult::Yes, ModalResult::No}) {
    if (GetDlgItem(box, static_cast<int>(r)))
      SetDlgItemTextA(box, static_cast<int>(r), std::string(ButtonCaption(r)).c_str());
  }
  BoxAnswering& a = Answering();
  if (a.active) {
    char title[256] = {};
    GetWindowTextA(box, title, sizeof title);
    a.shown.push_back({ItemText(box, kTextId), title, IconShown(box)});
    int id = static_cast<int>(a.Next("a message box", a.shown.back().text, ModalResult::Cancel));
    if (!GetDlgItem(box, id)) id = GetDlgItem(box, IDOK) ? IDOK : IDCANCEL;
    Press(box, id);
  }
  return 0;
}

UINT Flags(const BoxRequest& box) {
  UINT flags = 0;
  switch (box.buttons) {
    case MsgButtons::OK:
      flags = MB_OK;
      break;
    case MsgButtons::OKCancel:
      flags = MB_OKCANCEL;
      break;
    case MsgButtons::YesNo:
      flags = MB_YESNO;
      break;
    case MsgButtons::YesNoCancel:
      flags = MB_YESNOCANCEL;
      break;
  }
  switch (box.icon) {
    case MsgIcon::None:
      break;
    case MsgIcon::Information:
      flags |= MB_ICONINFORMATION;
      break;
    case MsgIcon::Warning:
      flags |= MB_ICONWARNING;
      break;
    case MsgIcon::Error:
      flags |= MB_ICONERROR;
      break;
    case MsgIcon::Question:
      flags |= MB_ICONQUESTION;
      break;
  }
  return flags;
}

}  // namespace

BoxAnswering& Answering() {
  static BoxAnswering answering;
  return answering;
}

ModalResult ShowMessageBox(const BoxRequest& box) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = AppWindow();
  hook = SetWindowsHookExA(WH_CBT, &OnBoxActivate, nullptr, GetCurrentThreadId());
  int result = ::MessageBoxA(owner, box.text.c_str(), box.title.c_str(), Flags(box));
  if (hook) {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
  return static_cast<ModalResult>(result);
}

}  // namespace ui::win32
