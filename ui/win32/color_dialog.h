#pragma once
// The platform's common colour dialog.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui::win32 {

// Solid colours only, `initial` preselected; none on cancel.
std::optional<Color> ShowColorDialog(Color initial);

// For the contract tests: each dialog gets the colour set in its red, green and blue fields and
// OK pressed, or Cancel, as a user would; the colour its fields showed when it opened is kept.
struct ColorDialogAnswering {
  bool active = false;
  std::deque<std::optional<Color>> answers;
  std::vector<Color> shown;
  void (*on_fault)(const std::string&) = nullptr;
};
ColorDialogAnswering& ColorAnswering();

}  // namespace ui::win32
