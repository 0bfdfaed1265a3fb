#pragma once
// Writes formatted CP932 text as Rich Text Format that the Windows rich edit control reads back
// to the same text and formatting.

#include <string>

#include "core/rtf/rich_text.h"

namespace core::rtf {

// Every byte from 0x80 up, and both bytes of a double-byte character, are written as \'xx, so a
// second byte '\', '{' or '}' is never taken for RTF's own. "\r\n" and a lone "\n" are written as
// paragraph marks like "\r", so they read back as "\r". Sizes and face names are kept within
// the control's limits (1 to 1638 points; 31 bytes). CP932 text in a font of another character
// set is written in the same face with the Japanese one, which is how it reads back.
std::string WriteRtf(const RichText& text);

}  // namespace core::rtf
