#pragma once
// The desktop's top-level windows, of every program, as the platform stacks them. A window
// that lets what lies beneath it show through its own surface asks those windows to repaint.

#include <cstdint>
#include <vector>

#include "ui/types.h"

namespace ui {

class Form;

struct DesktopWindow {
  std::uintptr_t id = 0;  // the platform's handle; only for RepaintNow
  Bounds bounds;          // in screen pixels
  bool visible = false;
};

namespace desktop {

// Every top-level window, from the top of the z-order downwards.
std::vector<DesktopWindow> WindowsTopDown();
// The window is marked whole for repaint, its background erased, and painted before this returns.
void RepaintNow(const DesktopWindow& window);
// The id under which a form's window is listed.
std::uintptr_t IdOf(const Form& form);

}  // namespace desktop

}  // namespace ui
