#pragma once
// The platform's font dialog: TrueType faces only, with the effects (strike-out, underline and
// the text colour, which is part of the font chosen).

#include "ui/types.h"

namespace ui {

class FontDialog {
 public:
  Font GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }
  // Modal, owned by the active window, opening with this dialog's own font. True when the user
  // pressed OK: GetFont() is then the font chosen. False on cancel, the font unchanged.
  bool Execute();

 private:
  Font font_;
};

}  // namespace ui
