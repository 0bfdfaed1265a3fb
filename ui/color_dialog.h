#pragma once
// The platform's colour dialog, offering solid colours only, with the colour it was given
// preselected.

#include "ui/types.h"

namespace ui {

class ColorDialog {
 public:
  Color GetColor() const { return color_; }
  void SetColor(Color c) { color_ = c; }
  // Modal, owned by the active window. True when the user pressed OK: GetColor() is then the
  // colour chosen. False on cancel, the colour unchanged.
  bool Execute();

 private:
  Color color_ = clBlack;
};

}  // namespace ui
