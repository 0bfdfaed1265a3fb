#pragma once
// Message boxes of the platform, with the button captions the program's users know.

#include <string>

#include "ui/dialogs.h"
#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

ModalResult ShowMessageBox(const BoxRequest& box);

// For the contract tests: boxes get these answers instead of waiting for a user, and what
// each box showed is kept.
struct ShownMessageBox {
  std::string text, title;  // as displayed
  MsgIcon icon = MsgIcon::None;
};
using BoxAnswering = DialogAnswering<ModalResult, ShownMessageBox>;
BoxAnswering& Answering();

}  // namespace ui::win32
