#include "ui/font_dialog.h"

#include "ui/application.h"

namespace ui {

bool FontDialog::Execute() {
  std::optional<Font> chosen = Application->Peer().FontDialog(font_);
  if (!chosen) return false;
  font_ = *chosen;
  return true;
}

}  // namespace ui
