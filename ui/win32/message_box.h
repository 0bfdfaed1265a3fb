#pragma once
// Message boxes of the platform, with the button captions the program's users know.

#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace ui::win32 {

ModalResult ShowMessageBox(const BoxRequest& box);

// For the contract tests: boxes get these answers instead of waiting for a user, and what
// each box showed is kept.
struct BoxAnswering {
  bool active = false;
  std::vector<ModalResult> answers;
  struct Shown {
    std::string text, title;  // as displayed
    MsgIcon icon = MsgIcon::None;
  };
  std::vector<Shown> shown;
  void (*on_fault)(const std::string&) = nullptr;
};
BoxAnswering& Answering();

}  // namespace ui::win32
