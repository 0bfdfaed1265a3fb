#pragma once
// The platform's common font dialog.

#include <optional>

#include "ui/types.h"
#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

// TrueType faces only, with the effects, opening on `initial`; none on cancel.
std::optional<Font> ShowFontDialog(const Font& initial);

// For the contract tests: each dialog gets the face, style, size, effects and colour picked in
// its lists and boxes and OK pressed, or Cancel, as a user would; the font its fields showed
// when it opened is kept.
using FontDialogAnswering = DialogAnswering<std::optional<Font>, Font>;
FontDialogAnswering& FontAnswering();

}  // namespace ui::win32
