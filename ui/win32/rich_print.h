#pragma once
// Formatted text laid out on a printer's pages by the toolkit itself, for a rich edit that
// cannot format for a printer: Wine's answers EM_FORMATRANGE with nothing.

#include "ui/win32/native.h"

#include "core/rtf/rich_text.h"

namespace ui::win32 {

// Prints the text on the printer's device context, inside a started document, over the whole
// printable area: each page between StartPage and EndPage. False when a page failed.
bool PrintRichText(HDC dc, const core::rtf::RichText& text);

}  // namespace ui::win32
