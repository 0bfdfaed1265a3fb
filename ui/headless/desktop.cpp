#include "ui/headless/desktop.h"

#include "ui/headless/form_peer.h"
#include "ui/headless/world.h"

namespace ui::headless {

namespace {

FormPeerImpl* FormOf(const DesktopWindow& window) {
  for (FormPeerImpl* p : TheWorld().z_order) {
    if (reinterpret_cast<std::uintptr_t>(p) == window.id) return p;
  }
  return nullptr;
}

ForeignWindow* ForeignOf(const DesktopWindow& window) {
  for (ForeignWindow& f : TheWorld().foreign) {
    if (reinterpret_cast<std::uintptr_t>(&f) == window.id) return &f;
  }
  return nullptr;
}

}  // namespace

std::string DesktopWindowName(const DesktopWindow& window) {
  if (FormPeerImpl* form = FormOf(window)) return form->form().ClassName();
  if (ForeignWindow* foreign = ForeignOf(window)) return foreign->name;
  return {};
}

}  // namespace ui::headless

namespace ui::desktop {

std::vector<DesktopWindow> WindowsTopDown() {
  std::vector<DesktopWindow> windows;
  for (headless::FormPeerImpl* p : headless::TheWorld().z_order) {
    windows.push_back({reinterpret_cast<std::uintptr_t>(p), p->bounds(), p->visible()});
  }
  for (headless::ForeignWindow& f : headless::TheWorld().foreign) {
    windows.push_back({reinterpret_cast<std::uintptr_t>(&f), f.bounds, f.visible});
  }
  return windows;
}

void RepaintNow(const DesktopWindow& window) {
  headless::TheWorld().desktop_log.push_back("repaint " + headless::DesktopWindowName(window));
  if (headless::FormPeerImpl* form = headless::FormOf(window)) {
    form->Redraw();
  } else if (headless::ForeignWindow* foreign = headless::ForeignOf(window)) {
    ++foreign->repaints;
  }
}

std::uintptr_t IdOf(const Form& form) {
  return reinterpret_cast<std::uintptr_t>(static_cast<const headless::FormPeerImpl*>(&form.Native()));
}

}  // namespace ui::desktop
