#include "ui/check_box.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's automatic check box: it ticks and clears itself at the user's click or space
// bar and tells its parent, which hands the press on here; the parent also asks it for the
// colour of its caption.
class CheckBoxWindow : public NativeWindow<CheckBoxPeer> {
 public:
  CheckBoxWindow(CheckBox& box, HWND parent) : NativeWindow(box), box_(box) {
    Bounds b = box.GetBounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_AUTOCHECKBOX | (box.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, "BUTTON", "", style, b.left, b.top, b.width, b.height, parent, nullptr, Instance(),
                            nullptr);
    AttachControl(hwnd_, this, &previous_);
    // With keyboard cues hidden the platform draws the caption through a mask in black, past
    // the colour its parent sets; a caption without "&" looks the same either way.
    SendMessageA(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  }
  ~CheckBoxWindow() override { DetachControl(hwnd_, previous_); }

  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  void SetFont(const Font& font) override {
    text_color_ = font.color;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
  }
  bool Checked() override { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool on) override { SendMessageA(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
  void SetFocus() override { ::SetFocus(hwnd_); }
  void Invalidate(const Bounds&) override { InvalidateRect(hwnd_, nullptr, TRUE); }

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

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 private:
  CheckBox& box_;
  Color text_color_ = clWindowText;
  WNDPROC previous_ = nullptr;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<CheckBoxPeer> NewCheckBoxPeer(CheckBox& box, WindowPeer& parent) {
  return std::make_unique<win32::CheckBoxWindow>(box, win32::HandleOf(parent));
}

}  // namespace ui::backend
