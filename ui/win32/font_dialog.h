#pragma once
// The platform's common font dialog.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui::win32 {

// TrueType faces only, with the effects, opening on `initial`; none on cancel.
std::optional<Font> ShowFontDialog(const Font& initial);

// For the contract tests: each dialog gets the face, style, size, effects and colour picked in
// its lists and boxes and OK pressed, or Cancel, as a user would; the font its fields showed
// when it opened is kept.
struct FontDialogAnswering {
  bool active = false;
  std::deque<std::optional<Font>> answers;
  std::vector<Font> shown;
  void (*on_fault)(const std::string&) = nullptr;
};
FontDialogAnswering& FontAnswering();

}  // namespace ui::win32
