#include "ui/win32/native.h"

#include <windowsx.h>

#include "ui/outline_view.h"
#include "ui/win32/text_window.h"

namespace ui::win32 {

namespace {

constexpr char kOutlineClass[] = "TOutline";

class OutlineWindow : public NativeWindow<WindowPeer> {
 public:
  OutlineWindow(OutlineView& view, HWND parent) : NativeWindow(view), view_(view) {
    CreateChild(kOutlineClass, parent, WS_TABSTOP);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
        // The focus comes first, so that the pane is stored before the click shows another note.
        if (GetFocus() != hwnd_) ::SetFocus(hwnd_);
        view_.HandleMouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      case WM_MOUSEMOVE:
        view_.HandleMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && view_.GetCursor() != Cursor::Default) {
          ::SetCursor(CursorHandle(view_.GetCursor()));
          return TRUE;
        }
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
      case WM_LBUTTONDBLCLK:
        view_.HandleDoubleClick({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      case WM_KEYDOWN:
        view_.HandleKeyDown(static_cast<int>(wp), ShiftState());
        return 0;
      case WM_CHAR:
        view_.HandleChar(static_cast<char>(wp));
        return 0;
      case WM_SETFOCUS:
        view_.HandleEnter();
        return 0;
      // Enter toggles an item, so a dialog's default button must not take it; Tab still moves on.
      case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lp);
        const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
      }
      default:
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  OutlineView& view_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<WindowPeer> NewOutlinePeer(OutlineView& view, WindowPeer& parent) {
  return std::make_unique<win32::OutlineWindow>(view, win32::HandleOf(parent));
}

}  // namespace ui::backend
