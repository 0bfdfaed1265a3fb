#include "ui/clipboard.h"

#include "ui/exception.h"
#include "ui/headless/world.h"

namespace ui::backend {

bool ClipboardHasText() { return headless::TheWorld().clipboard.has_value(); }
std::string ClipboardText() {
  if (headless::TheWorld().clipboard_held) throw Exception("クリップボードを開けません");
  return headless::TheWorld().clipboard.value_or("");
}
void SetClipboardText(const std::string& text) { headless::TheWorld().clipboard = text; }

void ShowScreenCursor(Cursor cursor) {
  headless::TheWorld().cursor = cursor;
  headless::TheWorld().cursors_shown.push_back(cursor);
}

}  // namespace ui::backend
