#include "ui/color_dialog.h"

#include "ui/application.h"

namespace ui {

bool ColorDialog::Execute() {
  std::optional<Color> chosen = Application->Peer().ColorDialog(color_);
  if (!chosen) return false;
  color_ = *chosen;
  return true;
}

}  // namespace ui
