#include "ui/panel.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kPanelClass[] = "TPanel";

class PanelWindow : public NativeWindow<WindowPeer> {
 public:
  PanelWindow(Panel& panel, HWND parent) : NativeWindow(panel), panel_(panel) {
    CreateChild(kPanelClass, parent, WS_CLIPCHILDREN);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT && panel_.GetCursor() != Cursor::Default) {
      ::SetCursor(CursorHandle(panel_.GetCursor()));
      return TRUE;
    }
    Point at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
        SetCapture(hwnd);
        panel_.HandleMouseDown(msg == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right, at);
        return 0;
      case WM_MOUSEMOVE:
        panel_.HandleMouseMove(at);
        return 0;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
        if (GetCapture() == hwnd) ReleaseCapture();
        panel_.HandleMouseUp(msg == WM_LBUTTONUP ? MouseButton::Left : MouseButton::Right, at);
        return 0;
    }
    return NativeWindow::OnMessage(hwnd, msg, wp, lp);
  }

 private:
  Panel& panel_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer& parent) {
  return std::make_unique<win32::PanelWindow>(panel, win32::HandleOf(parent));
}

}  // namespace ui::backend
