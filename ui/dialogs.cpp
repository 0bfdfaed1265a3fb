#include "ui/dialogs.h"

#include "ui/application.h"

namespace ui {

std::string_view ButtonCaption(ModalResult button) {
  switch (button) {
    case ModalResult::OK:
      return "OK";
    case ModalResult::Cancel:
      return "ｷｬﾝｾﾙ";
    case ModalResult::Yes:
      return "はい(&Y)";
    case ModalResult::No:
      return "いいえ(&N)";
    default:
      return "";
  }
}

ModalResult MessageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) {
  return Application->Peer().MessageBox({std::string(text), std::string(title), buttons, icon});
}

void ShowMessage(std::string_view text) { MessageBox(text, Application->Title(), MsgButtons::OK); }

}  // namespace ui
