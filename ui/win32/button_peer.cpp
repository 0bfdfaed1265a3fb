#include "ui/speed_button.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kButtonClass[] = "TSpeedButton";

class ButtonWindow : public NativeWindow<WindowPeer> {
 public:
  ButtonWindow(SpeedButton& button, HWND parent) : NativeWindow(button), button_(button) {
    CreateChild(kButtonClass, parent, 0);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        SetCapture(hwnd);
        button_.HandleMouseDown();
        return 0;
      case WM_LBUTTONUP: {
        if (GetCapture() == hwnd) ReleaseCapture();
        RECT r;
        GetClientRect(hwnd, &r);
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        button_.HandleMouseUp(PtInRect(&r, p) != FALSE);
        return 0;
      }
      default:
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  SpeedButton& button_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<WindowPeer> NewSpeedButtonPeer(SpeedButton& button, WindowPeer& parent) {
  return std::make_unique<win32::ButtonWindow>(button, win32::HandleOf(parent));
}

}  // namespace ui::backend
