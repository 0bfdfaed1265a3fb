#include "ui/list_box.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

// The platform's list box, which tells its parent when the user's click selects a row.
class ListBoxWindow : public PlatformControl<ListBoxPeer> {
 public:
  ListBoxWindow(ListBox& list, HWND parent)
      : PlatformControl(list, parent, "LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE),
        list_(list) {}

  void SetItems(const std::vector<std::string>& items) override {
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  int ItemIndex() override {
    auto index = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
  }
  void SetItemIndex(int index) override { SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_KEYDOWN && wp == VK_RETURN && list_.WantsKey(kKeyEnter)) {
      list_.HandleDoubleClick();
      return 0;
    }
    return PlatformControl::OnMessage(hwnd, msg, wp, lp);
  }

  void OnCommand(WORD code) override {
    if (code == LBN_SELCHANGE) list_.HandleClick();
    if (code == LBN_DBLCLK) list_.HandleDoubleClick();
  }

 private:
  ListBox& list_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<ListBoxPeer> NewListBoxPeer(ListBox& list, WindowPeer& parent) {
  return std::make_unique<win32::ListBoxWindow>(list, win32::HandleOf(parent));
}

}  // namespace ui::backend
