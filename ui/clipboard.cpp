#include "ui/clipboard.h"

namespace ui {

bool Clipboard::HasText() { return backend::ClipboardHasText(); }
std::string Clipboard::AsText() { return backend::ClipboardText(); }
void Clipboard::SetText(const std::string& text) { backend::SetClipboardText(text); }

}  // namespace ui
