#pragma once
// The system clipboard, as text in the system code page; and the backend's primitives for it and
// for the screen's cursor.

#include <string>

#include "ui/screen.h"

namespace ui {

namespace Clipboard {
bool HasText();
// Empty when the clipboard holds no text; an error while another program keeps it open.
std::string AsText();
// Replaces whatever the clipboard held.
void SetText(const std::string& text);
}  // namespace Clipboard

namespace backend {
bool ClipboardHasText();
std::string ClipboardText();
void SetClipboardText(const std::string& text);
void ShowScreenCursor(Cursor cursor);
}  // namespace backend

}  // namespace ui
