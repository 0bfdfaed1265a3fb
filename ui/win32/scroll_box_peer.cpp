#include "ui/scroll_box.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kScrollBoxClass[] = "TScrollBox";

// A window of the toolkit's class with the platform's vertical scroll bar.
class ScrollBoxWindow : public NativeWindow<ScrollBoxPeer> {
 public:
  ScrollBoxWindow(ScrollBox& box, HWND parent) : NativeWindow(box), box_(box) {
    CreateChild(kScrollBoxClass, parent, WS_VSCROLL | WS_CLIPCHILDREN);
  }

  void SetScrollBar(int range, int page, int position) override {
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                    0,
                    range > 0 ? range - 1 : 0,
                    static_cast<UINT>(page),
                    position,
                    0};
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
  }
  int ScrollBarWidth() override { return GetSystemMetrics(SM_CXVSCROLL); }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_VSCROLL: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, SB_VERT, &info);
        switch (LOWORD(wp)) {
          case SB_LINEUP:
            box_.HandleScroll(ScrollRequest::LineUp);
            break;
          case SB_LINEDOWN:
            box_.HandleScroll(ScrollRequest::LineDown);
            break;
          case SB_PAGEUP:
            box_.HandleScroll(ScrollRequest::PageUp);
            break;
          case SB_PAGEDOWN:
            box_.HandleScroll(ScrollRequest::PageDown);
            break;
          case SB_TOP:
            box_.HandleScroll(ScrollRequest::Top);
            break;
          case SB_BOTTOM:
            box_.HandleScroll(ScrollRequest::Bottom);
            break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION:
            box_.HandleScroll(ScrollRequest::Thumb, info.nTrackPos);
            break;
          default:
            break;
        }
        return 0;
      }
      case WM_MOUSEWHEEL:
        box_.HandleWheel(-GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA);
        return 0;
      default:
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  ScrollBox& box_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<ScrollBoxPeer> NewScrollBoxPeer(ScrollBox& box, WindowPeer& parent) {
  return std::make_unique<win32::ScrollBoxWindow>(box, win32::HandleOf(parent));
}

}  // namespace ui::backend
