#pragma once
// The platform's common colour dialog.

#include <optional>

#include "ui/types.h"
#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

// Solid colours only, `initial` preselected; none on cancel.
std::optional<Color> ShowColorDialog(Color initial);

// For the contract tests: each dialog gets the colour set in its red, green and blue fields and
// OK pressed, or Cancel, as a user would; the colour its fields showed when it opened is kept.
using ColorDialogAnswering = DialogAnswering<std::optional<Color>, Color>;
ColorDialogAnswering& ColorAnswering();

}  // namespace ui::win32
