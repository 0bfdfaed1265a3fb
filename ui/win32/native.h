#pragma once
// The Win32 backend's shared pieces: the application's own window, window classes, the
// attachment of C++ objects to their HWNDs, GDI fonts and colours.

#include <windows.h>
// The toolkit's own names, not the platform's ANSI/wide macros.
#undef MessageBox
#undef TextOut

#include <map>
#include <string>

#include "ui/canvas.h"
#include "ui/control.h"
#include "ui/peers.h"
#include "ui/screen.h"

namespace ui::win32 {

HINSTANCE Instance();
// The application's window: owner of every form, bearer of the application's title.
HWND AppWindow();

COLORREF Resolve(Color c);
// Fonts live as long as the process; the same description gives the same handle.
HFONT FontHandle(const Font& font);

// The platform's cursor for each of the toolkit's.
HCURSOR CursorHandle(Cursor cursor);

// The window of a control's peer.
HWND HandleOf(const WindowPeer& peer);

inline Bounds BoundsOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
// A window's place and size on the screen.
inline Bounds ScreenBoundsOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return BoundsOf(r);
}

// The beeps the application has sounded, for the test's hand to count.
inline int beeps_sounded = 0;

// Registers a window class of the given name once, with the shared window procedure.
void RegisterClassOnce(const std::string& name, UINT style = CS_DBLCLKS);

// An object attached to its HWND on WM_NCCREATE and found again through GWLP_USERDATA.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) = 0;
  virtual HWND Handle() const { return nullptr; }
  // The control whose window this is; none for the application's.
  virtual WinControl* Owner() const { return nullptr; }
  // A notification the control sent its parent (WM_COMMAND's code).
  virtual void OnCommand(WORD) {}
  // The parent is asked for the colours the control draws in (WM_CTLCOLOR...): the brush of its
  // background once the text colour is set in `dc`; none leaves the platform's own.
  virtual HBRUSH OnControlColor(HDC) { return nullptr; }
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// A control of the platform's own class is attached to its target right after it is made, and
// its window procedure is replaced by one that offers each message to the target first.
void AttachControl(HWND hwnd, MessageTarget* target, WNDPROC* previous);
// Gives the control its own window procedure back, before it is destroyed.
void DetachControl(HWND hwnd, WNDPROC previous);
// The target attached to a window of the toolkit's, through GWLP_USERDATA; null for none.
MessageTarget* TargetOf(HWND hwnd);
// The control of a window the toolkit made, and the form of a top-level one; none for a window
// of another kind (a common dialog's, a message box's).
WinControl* ControlOfWindow(HWND hwnd);
Form* FormOfWindow(HWND hwnd);

}  // namespace ui::win32
namespace ui {
class MenuItem;
}
namespace ui::win32 {

// The platform's menu for the items below `parent`; `ids` maps each command to its item.
HMENU BuildMenu(const MenuItem& parent, std::map<UINT, MenuItem*>& ids);

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {}
  void FillRect(const Bounds& r, Color color) override;
  void Rectangle(const Bounds& r, Color pen, int pen_width, Color brush, bool filled) override;
  void TextOut(int x, int y, std::string_view text, const Font& font, const Color* background) override;
  void DrawBitmap(int x, int y, const std::string& resource) override;

 private:
  HDC dc_;
};

// A control's window on the platform; Base is WindowPeer or one of its extensions.
template <class Base>
class NativeWindow : public Base, public MessageTarget {
 public:
  explicit NativeWindow(WinControl& control) : control_(control) {}
  ~NativeWindow() override {
    if (hwnd_) {
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(hwnd_);
    }
  }

  void SetBounds(const Bounds& b) override {
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  void Invalidate(const Bounds& a) override {
    RECT r{a.left, a.top, a.Right(), a.Bottom()};
    RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  void Update() override { RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
  void Redraw() override {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  HWND hwnd() const { return hwnd_; }
  HWND Handle() const override { return hwnd_; }
  WinControl* Owner() const override { return &control_; }
  int paints() const { return paints_; }
  int moves() const { return moves_; }
  int resizes() const { return resizes_; }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wp));
      case WM_PAINT:
        OnPaint();
        return 0;
      case WM_COMMAND:
        if (lp) {
          if (MessageTarget* child = TargetOf(reinterpret_cast<HWND>(lp))) child->OnCommand(HIWORD(wp));
        }
        return 0;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
        if (MessageTarget* child = TargetOf(reinterpret_cast<HWND>(lp))) {
          if (HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(brush);
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
      default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
  }

 protected:
  // A child window of a class of the toolkit's own, placed and shown as its control is.
  void CreateChild(const char* class_name, HWND parent, DWORD style) {
    RegisterClassOnce(class_name);
    Bounds b = control_.GetBounds();
    style |= WS_CHILD | WS_CLIPSIBLINGS | (control_.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(0, class_name, "", style, b.left, b.top, b.width, b.height, parent, nullptr, Instance(),
                            static_cast<MessageTarget*>(this));
  }

  LRESULT OnEraseBackground(HDC dc) {
    GdiCanvas canvas(dc);
    return control_.HandleEraseBackground(canvas) ? 1 : 0;
  }
  // Runs as the paint request arrives, before the surface is handed out.
  virtual void BeforePaint() {}
  // Draws what lies under the control's own painting.
  virtual void PaintUnder(HDC) {}
  void OnPaint() {
    BeforePaint();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    ++paints_;
    PaintUnder(dc);
    GdiCanvas canvas(dc);
    control_.HandlePaint(canvas);
    EndPaint(hwnd_, &ps);
  }

  WinControl& control_;
  HWND hwnd_ = nullptr;
  int paints_ = 0, moves_ = 0, resizes_ = 0;
};

// A control of one of the platform's own window classes (BUTTON, LISTBOX): made with the
// control's place and visibility, a tab stop; it draws itself, its messages go to the class's own
// procedure, and what it tells its parent is handed on to the peer (OnCommand).
template <class Base>
class PlatformControl : public NativeWindow<Base> {
 public:
  PlatformControl(WinControl& control, HWND parent, const char* window_class, DWORD style, DWORD ex_style = 0)
      : NativeWindow<Base>(control) {
    Bounds b = control.GetBounds();
    style |= WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | (control.Visible() ? WS_VISIBLE : 0);
    this->hwnd_ = CreateWindowExA(ex_style, window_class, "", style, b.left, b.top, b.width, b.height, parent, nullptr,
                                  Instance(), nullptr);
    AttachControl(this->hwnd_, this, &previous_);
  }
  ~PlatformControl() override { DetachControl(this->hwnd_, previous_); }

  void SetFont(const Font& font) override {
    SendMessageA(this->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
  }
  void SetFocus() override { ::SetFocus(this->hwnd_); }
  void Invalidate(const Bounds&) override { InvalidateRect(this->hwnd_, nullptr, TRUE); }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 private:
  WNDPROC previous_ = nullptr;
};

}  // namespace ui::win32
