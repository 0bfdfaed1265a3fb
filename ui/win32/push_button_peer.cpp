#include "ui/button.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's BUTTON: it draws itself, takes the keyboard, and tells its parent of a press,
// which the parent hands on here.
class PushButtonWindow : public NativeWindow<ButtonPeer> {
 public:
  PushButtonWindow(Button& button, HWND parent) : NativeWindow(button), button_(button) {
    Bounds b = button.GetBounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | (button.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, "BUTTON", "", style, b.left, b.top, b.width, b.height, parent, nullptr, Instance(),
                            nullptr);
    AttachControl(hwnd_, this, &previous_);
  }
  ~PushButtonWindow() override { DetachControl(hwnd_, previous_); }

  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  void SetFont(const Font& font) override { SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE); }
  void SetDefault(bool on) override { SendMessageA(hwnd_, BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE); }
  void SetFocus() override { ::SetFocus(hwnd_); }
  void Invalidate(const Bounds&) override { InvalidateRect(hwnd_, nullptr, TRUE); }

  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) button_.HandleClick();
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 private:
  Button& button_;
  WNDPROC previous_ = nullptr;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<ButtonPeer> NewButtonPeer(Button& button, WindowPeer& parent) {
  return std::make_unique<win32::PushButtonWindow>(button, win32::HandleOf(parent));
}

}  // namespace ui::backend
