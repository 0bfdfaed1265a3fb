#include "ui/list_box.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's list box, which tells its parent when the user's click selects a row.
class ListBoxWindow : public NativeWindow<ListBoxPeer> {
 public:
  ListBoxWindow(ListBox& list, HWND parent) : NativeWindow(list), list_(list) {
    Bounds b = list.GetBounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                  (list.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", style, b.left, b.top, b.width, b.height, parent, nullptr,
                            Instance(), nullptr);
    AttachControl(hwnd_, this, &previous_);
  }
  ~ListBoxWindow() override { DetachControl(hwnd_, previous_); }

  void SetItems(const std::vector<std::string>& items) override {
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  int ItemIndex() override {
    auto index = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
  }
  void SetItemIndex(int index) override { SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  void SetFont(const Font& font) override {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
  }
  void SetFocus() override { ::SetFocus(hwnd_); }
  void Invalidate(const Bounds&) override { InvalidateRect(hwnd_, nullptr, TRUE); }

  void OnCommand(WORD code) override {
    if (code == LBN_SELCHANGE) list_.HandleClick();
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 private:
  ListBox& list_;
  WNDPROC previous_ = nullptr;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<ListBoxPeer> NewListBoxPeer(ListBox& list, WindowPeer& parent) {
  return std::make_unique<win32::ListBoxWindow>(list, win32::HandleOf(parent));
}

}  // namespace ui::backend
