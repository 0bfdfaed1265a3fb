#include "ui/win32/text_window.h"

namespace ui::win32 {

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

unsigned ShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? ssShift : 0u) | (GetKeyState(VK_CONTROL) < 0 ? ssCtrl : 0u) |
         (GetKeyState(VK_MENU) < 0 ? ssAlt : 0u);
}

}  // namespace ui::win32
