#include "ui/check_box.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's automatic check box: it ticks and clears itself at the user's click or space
// bar and tells its parent, which hands the press on here; the parent also asks it for the
// colour of its caption.
class CheckBoxWindow : public PlatformControl<CheckBoxPeer> {
 public:
  CheckBoxWindow(CheckBox& box, HWND parent) : PlatformControl(box, parent, "BUTTON", BS_AUTOCHECKBOX), box_(box) {
    // With keyboard cues hidden the platform draws the caption through a mask in black, past
    // the colour its parent sets; a caption without "&" looks the same either way.
    SendMessageA(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  }

  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  void SetFont(const Font& font) override {
    text_color_ = font.color;
    PlatformControl::SetFont(font);
  }
  bool Checked() override { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool on) override { SendMessageA(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) box_.HandleClick();
  }

  HBRUSH OnControlColor(HDC dc) override {
    SetTextColor(dc, Resolve(text_color_));
    COLORREF back = Resolve(box_.GetColor());
    SetBkColor(dc, back);
    SetDCBrushColor(dc, back);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
  }

 private:
  CheckBox& box_;
  Color text_color_ = clWindowText;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<CheckBoxPeer> NewCheckBoxPeer(CheckBox& box, WindowPeer& parent) {
  return std::make_unique<win32::CheckBoxWindow>(box, win32::HandleOf(parent));
}

}  // namespace ui::backend
