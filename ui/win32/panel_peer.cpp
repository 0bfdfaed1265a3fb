#include "ui/panel.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kPanelClass[] = "TPanel";

class PanelWindow : public NativeWindow<WindowPeer> {
 public:
  PanelWindow(Panel& panel, HWND parent) : NativeWindow(panel) {
    CreateChild(kPanelClass, parent, WS_CLIPCHILDREN);
  }
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer& parent) {
  return std::make_unique<win32::PanelWindow>(panel, win32::HandleOf(parent));
}

}  // namespace ui::backend
