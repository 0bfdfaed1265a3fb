#include "ui/button.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's BUTTON: it draws itself, takes the keyboard, and tells its parent of a press,
// which the parent hands on here.
class PushButtonWindow : public PlatformControl<ButtonPeer> {
 public:
  PushButtonWindow(Button& button, HWND parent)
      : PlatformControl(button, parent, "BUTTON", BS_PUSHBUTTON), button_(button) {}

  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  void SetDefault(bool on) override { SendMessageA(hwnd_, BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE); }

  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) button_.HandleClick();
  }

 private:
  Button& button_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<ButtonPeer> NewButtonPeer(Button& button, WindowPeer& parent) {
  return std::make_unique<win32::PushButtonWindow>(button, win32::HandleOf(parent));
}

}  // namespace ui::backend
