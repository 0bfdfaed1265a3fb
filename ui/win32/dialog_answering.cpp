#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

namespace {

HHOOK hook = nullptr;
HWND dialog = nullptr;
void (*answer_dialog)(HWND) = nullptr;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = dialog;
  if (!box || !IsWindow(box)) return;
  answer_dialog(box);
}

LRESULT CALLBACK OnDialogActivate(int code, WPARAM wp, LPARAM lp) {
  if (code != HCBT_ACTIVATE) return CallNextHookEx(hook, code, wp, lp);
  UnhookWindowsHookEx(hook);
  hook = nullptr;
  dialog = reinterpret_cast<HWND>(wp);
  SetTimer(nullptr, 0, 100, &AnswerDialog);
  return 0;
}

}  // namespace

void AnswerWhenShown(void (*answer)(HWND dialog)) {
  dialog = nullptr;
  answer_dialog = answer;
  hook = SetWindowsHookExA(WH_CBT, &OnDialogActivate, nullptr, GetCurrentThreadId());
}

void StopAnswering() {
  if (hook) {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
  dialog = nullptr;
}

}  // namespace ui::win32
