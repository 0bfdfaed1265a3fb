#pragma once
// For the contract tests: the platform's message boxes and common dialogs answered from a queue
// the test fills, through their own controls as a user would answer them, and what each showed kept.

#include <deque>
#include <string>
#include <vector>

#include "ui/win32/native.h"

namespace ui::win32 {

template <class Answer, class Shown>
struct DialogAnswering {
  bool active = false;
  std::deque<Answer> answers;
  std::vector<Shown> shown;
  void (*on_fault)(const std::string&) = nullptr;

  // Answering from now on, nothing kept from before; faults are told to `report`.
  void Arm(void (*report)(const std::string&)) {
    *this = {};
    active = true;
    on_fault = report;
  }
  // The test's next answer; when it scripted none, the fault is told and `cancel` given.
  Answer Next(const std::string& what, const std::string& showing = {}, Answer cancel = {}) {
    if (answers.empty()) {
      Fault(what + " nobody answered" + (showing.empty() ? "" : ": \"" + showing + "\""));
      return cancel;
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
  void Fault(const std::string& what) const {
    if (on_fault) on_fault(what);
  }
};

// The button pressed as a user would, the dialog hearing of it through its message loop.
inline void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// For a dialog that takes no hook procedure: `answer` is called with the next window this thread
// activates, a moment after, once the dialog has filled its controls. Until StopAnswering.
void AnswerWhenShown(void (*answer)(HWND dialog));
void StopAnswering();

// The hook procedure of a common dialog that takes one: `answer` is called once the dialog has
// filled its fields, after its own set-up.
template <void (*answer)(HWND dialog)>
UINT_PTR CALLBACK AnswerWhenFilled(HWND dialog, UINT msg, WPARAM, LPARAM) {
  constexpr UINT kAnswerNow = WM_APP + 1;
  if (msg == WM_INITDIALOG) {
    PostMessageA(dialog, kAnswerNow, 0, 0);
    return TRUE;
  }
  if (msg != kAnswerNow) return FALSE;
  answer(dialog);
  return TRUE;
}

}  // namespace ui::win32
