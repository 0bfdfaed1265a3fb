#include "ui/win32/native.h"

#include "ui/desktop.h"
#include "ui/form.h"

namespace ui::desktop {

std::vector<DesktopWindow> WindowsTopDown() {
  std::vector<DesktopWindow> windows;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    windows.push_back({reinterpret_cast<std::uintptr_t>(w), win32::ScreenBoundsOf(w), IsWindowVisible(w) != FALSE});
  }
  return windows;
}

void RepaintNow(const DesktopWindow& window) {
  HWND w = reinterpret_cast<HWND>(window.id);
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
}

std::uintptr_t IdOf(const Form& form) { return reinterpret_cast<std::uintptr_t>(win32::HandleOf(form.Native())); }

}  // namespace ui::desktop
