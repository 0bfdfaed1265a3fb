#pragma once
// What the plain edit and the rich edit peers share: a control of the platform's own class,
// attached to its peer, made anew when a property the platform takes only at creation changes.

#include "ui/win32/native.h"

#include <string>

#include "ui/text_controls.h"

namespace ui::win32 {

// Every line end as CR LF, which both of the platform's text controls take as a line end.
std::string WithCrLf(const std::string& text);

// The modifier keys down now, as the toolkit's shift state.
unsigned ShiftState();

// Peer is TextPeer or RichEditPeer.
template <class Peer>
class TextWindow : public Peer, public MessageTarget {
 public:
  TextWindow(TextControl& control, HWND parent) : control_(control), parent_(parent) {}
  ~TextWindow() override { Destroy(); }

  HWND Handle() const override { return hwnd_; }
  WinControl* Owner() const override { return &control_; }

  void SetBounds(const Bounds& b) override {
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  void Invalidate(const Bounds&) override { InvalidateRect(hwnd_, nullptr, TRUE); }
  void Update() override { UpdateWindow(hwnd_); }
  void Redraw() override {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  int LineCount() override { return static_cast<int>(SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0)); }
  void ReplaceSel(const std::string& text) override {
    SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WithCrLf(text).c_str()));
  }
  bool Modified() override { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
  void SetModified(bool modified) override { SendMessageA(hwnd_, EM_SETMODIFY, modified, 0); }
  void SetReadOnly(bool read_only) override { SendMessageA(hwnd_, EM_SETREADONLY, read_only, 0); }
  void SetScrollBars(ScrollBars) override { Remake(); }
  void SetBorder(bool) override { Remake(); }
  void SetFocus() override { ::SetFocus(hwnd_); }
  void SetRedraw(bool on) override {
    SendMessageA(hwnd_, WM_SETREDRAW, on, 0);
    if (on) InvalidateRect(hwnd_, nullptr, TRUE);
  }
  void ScrollCaret() override { SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0); }
  // The platform asks for the pointer's shape each time it moves; the control's is read then.
  void SetCursor(Cursor) override {}

  void OnCommand(WORD code) override {
    if (code == EN_CHANGE) control_.HandleChange();
  }

  // Keys and the mouse reach the program's handlers before the control acts on them; a right
  // button's release opens the context menu.
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    Point at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
      case WM_KEYDOWN:
        control_.HandleKeyDown(static_cast<int>(wp), ShiftState());
        break;
      case WM_LBUTTONDOWN:
        control_.HandleMouseDown(MouseButton::Left, ShiftState(), at);
        break;
      case WM_RBUTTONDOWN:
        control_.HandleMouseDown(MouseButton::Right, ShiftState(), at);
        break;
      case WM_MBUTTONDOWN:
        control_.HandleMouseDown(MouseButton::Middle, ShiftState(), at);
        break;
      case WM_MOUSEMOVE:
        control_.HandleMouseMove(ShiftState(), at);
        break;
      case WM_LBUTTONUP:
        control_.HandleMouseUp(MouseButton::Left, ShiftState(), at);
        break;
      case WM_MBUTTONUP:
        control_.HandleMouseUp(MouseButton::Middle, ShiftState(), at);
        break;
      case WM_RBUTTONUP: {
        control_.HandleMouseUp(MouseButton::Right, ShiftState(), at);
        POINT p{at.x, at.y};
        ClientToScreen(hwnd, &p);
        control_.HandleContextMenu({p.x, p.y});
        return 0;
      }
      case WM_CONTEXTMENU:
        if (lp != -1) return 0;  // a right click, already handled at its release
        control_.HandleContextMenu({0, 0});
        return 0;
      case WM_SETCURSOR: {
        Cursor cursor = control_.GetCursor();
        if (LOWORD(lp) == HTCLIENT && cursor != Cursor::Default) {
          ::SetCursor(CursorHandle(cursor));
          return TRUE;
        }
        break;
      }
      default:
        break;
    }
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 protected:
  // Makes the window, of the platform's class, from the control's state.
  void CreateControl(const char* class_name, DWORD style, bool multi_line = true) {
    Bounds b = control_.GetBounds();
    if (multi_line) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    style |= WS_CHILD | ES_NOHIDESEL | (multi_line ? 0 : WS_TABSTOP) |
             (control_.GetScrollBars() == ScrollBars::Vertical ? WS_VSCROLL : 0) |
             (control_.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(control_.Border() ? WS_EX_CLIENTEDGE : 0, class_name, "", style, b.left, b.top, b.width,
                            b.height, parent_, nullptr, Instance(), nullptr);
  }
  // From here on the window's messages and notifications reach the peer.
  virtual void Attach() { AttachControl(hwnd_, this, &previous_); }

  // Makes the window and sets what the peer's class sets on every window it makes; the peer's
  // constructor calls it, and Attach after it.
  virtual void MakeWindow() = 0;
  // What the user may have changed and the platform keeps only in the window: its text (with
  // formats, where there are any), to be put into a window made anew.
  virtual std::string TakeContent() = 0;
  virtual void PutContent(const std::string& content) = 0;

  // The same text, selection, marks and focus in a window made anew; the control sends the
  // rest of its state. The new window is attached last, so that filling it raises no events.
  void Remake() {
    std::string content = TakeContent();
    Selection sel = this->GetSel();
    bool modified = Modified();
    RemakeFilled([&] {
      PutContent(content);
      this->SetSel(sel.start, sel.length);
      SetModified(modified);
    });
  }
  // A window made anew and filled by `fill`, the focus kept.
  template <class Fill>
  void RemakeFilled(Fill fill) {
    bool had_focus = GetFocus() == hwnd_;
    Destroy();
    MakeWindow();
    control_.HandleRecreated();
    fill();
    Attach();
    if (had_focus) ::SetFocus(hwnd_);
  }

  TextControl& control_;
  HWND hwnd_ = nullptr;

 private:
  void Destroy() {
    if (previous_) DetachControl(hwnd_, previous_);
    previous_ = nullptr;
    DestroyWindow(hwnd_);
  }

  HWND parent_;
  WNDPROC previous_ = nullptr;
};

}  // namespace ui::win32
