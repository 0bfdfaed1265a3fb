#pragma once
// Message boxes: modal, answered with one of their buttons.

#include <string>
#include <string_view>

#include "ui/types.h"

namespace ui {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };

struct BoxRequest {
  std::string text;
  std::string title;
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
};

// The captions of the buttons, as the program's users know them.
std::string_view ButtonCaption(ModalResult button);

ModalResult MessageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon = MsgIcon::None);
// A plain box with "OK" under the application's title.
void ShowMessage(std::string_view text);

}  // namespace ui
