#pragma once
// The headless desktop's windows as the platform lists them: the program's forms in their
// z-order, then the windows of other programs that a test planted beneath them.

#include <string>

#include "ui/desktop.h"

namespace ui::headless {

// A form's class name, or a planted window's name.
std::string DesktopWindowName(const DesktopWindow& window);

}  // namespace ui::headless
