#include "ui/panel.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kPanelClass[] = "TPanel";

class PanelWindow : public NativeWindow<WindowPeer> {
 public:
  PanelWindow(Panel& panel, HWND parent) : NativeWindow(panel) {
    RegisterClassOnce(kPanelClass);
    Bounds b = panel.GetBounds();
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (panel.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, kPanelClass, "", style, b.left, b.top, b.width, b.height, parent, nullptr, Instance(),
                            static_cast<MessageTarget*>(this));
  }
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer& parent) {
  return std::make_unique<win32::PanelWindow>(panel, win32::HandleOf(parent));
}

}  // namespace ui::backend
