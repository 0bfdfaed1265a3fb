#pragma once
// Writes formatted CP932 text as Rich Text Format that the Windows rich edit control reads back
// to the same text and formatting.

#include <string>

#include "ui/rtf/rich_text.h"

namespace ui::rtf {

// Every byte from 0x80 up, and both bytes of a double-byte character, are written as \'xx, so a
// second byte '\', '{' or '}' is never taken for RTF's own. "\r\n" and a lone "\n" are written as
// paragraph marks like "\r", so they read back as "\r". Sizes are kept within the control's
// range (1 to 1638 points).
std::string WriteRtf(const RichText& text);

}  // namespace ui::rtf
