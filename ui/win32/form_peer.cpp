#include "ui/win32/native.h"

#include <imm.h>

#include "ui/form.h"
#include "ui/win32/menu_bar.h"

namespace ui::win32 {

namespace {

struct Styles {
  DWORD style, ex_style;
};

Styles StylesFor(const FrameStyle& f) {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS, ex = 0;
  switch (f.border) {
    case BorderStyle::None:
      style |= WS_POPUP;
      break;
    case BorderStyle::Single:
      style |= WS_POPUP | WS_CAPTION | WS_BORDER;
      ex |= WS_EX_WINDOWEDGE;
      break;
    case BorderStyle::Sizeable:
      style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_WINDOWEDGE;
      break;
    case BorderStyle::Dialog:
      style |= WS_POPUP | WS_CAPTION;
      ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case BorderStyle::ToolWindow:
      style |= WS_POPUP | WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
      break;
    case BorderStyle::SizeToolWin:
      style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
      break;
  }
  if (f.border != BorderStyle::None && (f.icons & biSystemMenu)) {
    style |= WS_SYSMENU;
    bool sizes = f.border == BorderStyle::Single || f.border == BorderStyle::Sizeable;
    if (sizes && (f.icons & biMinimize)) style |= WS_MINIMIZEBOX;
    if (sizes && (f.icons & biMaximize)) style |= WS_MAXIMIZEBOX;
    if ((f.icons & biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) ex |= WS_EX_CONTEXTHELP;
  }
  if (f.stay_on_top) ex |= WS_EX_TOPMOST;
  return {style, ex};
}

class FormWindow : public NativeWindow<FormPeer> {
 public:
  explicit FormWindow(Form& form) : NativeWindow(form), form_(form) {
    RegisterClassOnce(form.ClassName());
    Styles s = StylesFor(frame_);
    Bounds b = form.GetBounds();
    hwnd_ = CreateWindowExA(s.ex_style, form.ClassName().c_str(), "", s.style, b.left, b.top, b.width, b.height,
                            AppWindow(), nullptr, Instance(), static_cast<MessageTarget*>(this));
  }

  ~FormWindow() override {
    if (backdrop_) DeleteObject(backdrop_);
  }

  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }

  void SetImeMode(ImeMode mode) override {
    HIMC context = ImmGetContext(hwnd_);
    if (!context) return;
    if (mode == ImeMode::Hiragana) {
      ImmSetOpenStatus(context, TRUE);
      ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_NONE);
    } else {
      ImmSetOpenStatus(context, FALSE);
    }
    ImmReleaseContext(hwnd_, context);
  }

  // The z-order band is the platform's to keep: WS_EX_TOPMOST changes only through SetWindowPos.
  void SetFrame(const FrameStyle& frame) override {
    bool band_changed = frame.stay_on_top != frame_.stay_on_top;
    frame_ = frame;
    Styles s = StylesFor(frame_);
    DWORD visible = GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE;
    DWORD topmost = GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST;
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(s.style | visible));
    SetWindowLongA(hwnd_, GWL_EXSTYLE, static_cast<LONG>((s.ex_style & ~WS_EX_TOPMOST) | topmost));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (band_changed) {
      SetWindowPos(hwnd_, frame_.stay_on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
  }

  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

  void Show(bool activate) override { ShowWindow(hwnd_, activate ? SW_SHOW : SW_SHOWNA); }

  void BringToFront() override { SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

  Bounds WindowBounds() override { return ScreenBoundsOf(hwnd_); }

  // The window stays where it is, visible to the platform, active and with the keyboard focus:
  // an empty window region only takes its pixels off the screen. Hiding it outright
  // (SWP_HIDEWINDOW) would lose the focus on an X11 desktop, at every paint of the memo.
  void SetShownInPlace(bool shown) override { SetWindowRgn(hwnd_, shown ? nullptr : CreateRectRgn(0, 0, 0, 0), TRUE); }

  // The screen's pixels, copied while the window is off it; the windows that lay beneath have
  // just repainted there.
  void CaptureBackdrop() override {
    Bounds r = ScreenBoundsOf(hwnd_);
    HDC screen = GetDC(nullptr);
    if (!backdrop_ || backdrop_size_ != Size{r.width, r.height}) {
      if (backdrop_) DeleteObject(backdrop_);
      backdrop_ = CreateCompatibleBitmap(screen, r.width, r.height);
      backdrop_size_ = {r.width, r.height};
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, backdrop_);
    BitBlt(memory, 0, 0, r.width, r.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  void SetMenu(MenuItem* root) override { menu_bar_.Attach(hwnd_, root); }

  Size FrameSize() override {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_CLOSE:
        form_.HandleCloseRequest();
        return 0;
      case WM_SIZE:
        ++resizes_;
        form_.HandleResized();
        return 0;
      case WM_MOVE:
        ++moves_;
        form_.HandleMoved();
        return 0;
      case WM_NCHITTEST:
        return OnHitTest(hwnd, wp, lp);
      case WM_INITMENU:
        if (reinterpret_cast<HMENU>(wp) == GetMenu(hwnd)) menu_bar_.Refresh();
        return 0;
      case WM_INITMENUPOPUP:
        if (!HIWORD(lp) && menu_bar_.Opening(reinterpret_cast<HMENU>(wp))) return 0;
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
      case WM_COMMAND:
        if (HIWORD(wp) == 0 && lp == 0) {
          if (MenuItem* item = menu_bar_.Chosen(LOWORD(wp))) {
            item->Click();
            return 0;
          }
        }
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
      case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && form_.ActiveControl() && form_.ActiveControl()->Peer()) {
          SetFocus(HandleOf(*form_.ActiveControl()->Peer()));
          return 0;
        }
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
      default:
        return NativeWindow::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  // The form may hide and show itself before the paint begins, so that the paint takes in the
  // invalidation the showing makes.
  void BeforePaint() override { form_.HandlePaintRequest(); }

  // A captured backdrop lies under the graphic controls.
  void PaintUnder(HDC dc) override {
    if (!backdrop_) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, backdrop_);
    Bounds window = ScreenBoundsOf(hwnd_);
    POINT client{0, 0};
    ClientToScreen(hwnd_, &client);
    BitBlt(dc, 0, 0, backdrop_size_.width, backdrop_size_.height, memory, client.x - window.left, client.y - window.top,
           SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }

  // The desktop answers first; the form may turn its client area into a caption, and so on.
  LRESULT OnHitTest(HWND hwnd, WPARAM wp, LPARAM lp) {
    LRESULT platform = DefWindowProcA(hwnd, WM_NCHITTEST, wp, lp);
    HitArea area = platform == HTCLIENT ? HitArea::Client : platform == HTCAPTION ? HitArea::Caption : HitArea::Other;
    HitArea answer = form_.HitTest(area);
    if (answer == area) return platform;
    return answer == HitArea::Caption ? HTCAPTION : answer == HitArea::Client ? HTCLIENT : platform;
  }

  Form& form_;
  FrameStyle frame_;
  HBITMAP backdrop_ = nullptr;
  Size backdrop_size_;
  MenuBar menu_bar_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {
std::unique_ptr<FormPeer> NewFormPeer(Form& form) { return std::make_unique<win32::FormWindow>(form); }
}  // namespace ui::backend
