// The toolkit's headers come after the platform's, whose macros native.h takes back.
#include "ui/win32/native.h"

#include <richedit.h>

#include <vector>

#include "core/rtf/rich_text.h"
#include "ui/clipboard.h"
#include "ui/text_controls.h"

namespace ui::win32 {

namespace {

// Every line end as CR LF, which both of the platform's text controls take as a line end.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

class TextWindow : public RichEditPeer, public MessageTarget {
 public:
  TextWindow(TextControl& control, HWND parent, bool rich) : control_(control), parent_(parent), rich_(rich) {
    if (rich_) {
      static HMODULE library = LoadLibraryA("riched20.dll");
      (void)library;
    }
    Create();
  }
  ~TextWindow() override { Destroy(); }

  HWND Handle() const override { return hwnd_; }

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

  std::string Text() override {
    if (!rich_) {
      std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
      text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
      return text;
    }
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    auto bytes = static_cast<std::size_t>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::string text(bytes + 2, '\0');
    GETTEXTEX get{static_cast<DWORD>(text.size()), GT_USECRLF, CP_ACP, nullptr, nullptr};
    auto got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
  }

  // A rich edit's WM_SETTEXT reads text that starts like Rich Text Format as such, even in plain
  // text mode; streamed in as text, a note that starts with "{\rtf" stays the note it is.
  void SetText(const std::string& text) override {
    if (!rich_) {
      SetWindowTextA(hwnd_, WithCrLf(text).c_str());
      return;
    }
    std::string crlf = WithCrLf(text);
    Source source{&crlf, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadSource};
    SendMessageA(hwnd_, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    SetModified(false);
  }

  int LineCount() override { return static_cast<int>(SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0)); }

  // The rich edit gives a line's text through a text range: its EM_GETLINE takes some forty times
  // as long, and the memo reads lines on every tick.
  std::string Line(int index) override {
    auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (start < 0) return {};
    auto chars = SendMessageA(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (chars <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(chars) * 2 + 8, '\0');
    LRESULT got;
    if (rich_) {
      TEXTRANGEA range{{static_cast<LONG>(start), static_cast<LONG>(start + chars)}, buffer.data()};
      got = SendMessageA(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    } else {
      *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(buffer.size() - 1);
      got = SendMessageA(hwnd_, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    }
    std::string line(buffer.data(), static_cast<std::size_t>(got));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
  }

  int SelStart() override { return Selection().cpMin; }
  int SelLength() override {
    CHARRANGE r = Selection();
    return r.cpMax - r.cpMin;
  }
  void SetSel(int start, int length) override {
    CHARRANGE r{start, length < 0 ? -1 : start + length};
    if (rich_) SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    else SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(r.cpMin), r.cpMax);
  }
  void ReplaceSel(const std::string& text) override {
    SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WithCrLf(text).c_str()));
  }

  bool Modified() override { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
  void SetModified(bool modified) override { SendMessageA(hwnd_, EM_SETMODIFY, modified, 0); }
  void SetReadOnly(bool read_only) override {
    read_only_ = read_only;
    SendMessageA(hwnd_, EM_SETREADONLY, read_only, 0);
  }

  // Word wrap at the window's width, or none: lines then end only at line ends.
  void SetWordWrap(bool wrap) override {
    wrap_ = wrap;
    if (rich_) SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
  }
  // The control takes its scroll bars from its style when it is made, so it is made again.
  void SetScrollBars(ScrollBars bars) override {
    if (bars == bars_) return;
    bars_ = bars;
    Recreate();
  }

  void SetFont(const Font& font) override {
    font_ = font;
    if (!rich_) {
      SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
      return;
    }
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR | CFM_CHARSET;
    cf.yHeight = core::rtf::HalfPointsFromPixels(font.PixelHeight()) * 10;
    cf.bCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(cf.szFaceName, font.name.c_str(), LF_FACESIZE);
    if (font.style & fsBold) cf.dwEffects |= CFE_BOLD;
    if (font.style & fsItalic) cf.dwEffects |= CFE_ITALIC;
    if (font.style & fsUnderline) cf.dwEffects |= CFE_UNDERLINE;
    if (font.style & fsStrikeOut) cf.dwEffects |= CFE_STRIKEOUT;
    if (IsSystemColor(font.color)) cf.dwEffects |= CFE_AUTOCOLOR;
    else cf.crTextColor = Resolve(font.color);
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  }

  void SetBackground(Color color) override {
    background_ = color;
    if (rich_) SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(Resolve(color)));
  }

  void SetFocus() override { ::SetFocus(hwnd_); }

  // The rich edit's own clipboard commands go through OLE, which Wine's needs initialised; the
  // text goes through the clipboard's text format instead, as the plain edit's does.
  void Cut() override {
    if (!rich_) {
      SendMessageA(hwnd_, WM_CUT, 0, 0);
      return;
    }
    if (SelLength() == 0) return;
    Copy();
    ReplaceSel("");
  }
  void Copy() override {
    if (!rich_) {
      SendMessageA(hwnd_, WM_COPY, 0, 0);
      return;
    }
    if (SelLength() == 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(SelLength()) * 2 + 2, '\0');
    auto got = SendMessageA(hwnd_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    backend::SetClipboardText(WithCrLf(std::string(buffer.data(), static_cast<std::size_t>(got))));
  }
  void Paste() override {
    if (!rich_) {
      SendMessageA(hwnd_, WM_PASTE, 0, 0);
      return;
    }
    if (backend::ClipboardHasText()) ReplaceSel(backend::ClipboardText());
  }

  void SetPlainText(bool plain) override {
    if (!rich_) return;
    plain_ = plain;
    SetWindowTextA(hwnd_, "");
    ApplyTextMode();
  }

  // The control reports a rejected document through dwError, not always through its result.
  bool StreamInRtf(const std::string& data) override {
    if (!rich_ || plain_) return false;
    Source source{&data, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadSource};
    SendMessageA(hwnd_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
  }

  std::string StreamOutRtf() override {
    std::string out;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, &WriteSink};
    SendMessageA(hwnd_, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return out;
  }

  int ClientWidth() override {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
  }

  void OnCommand(WORD code) override {
    if (code == EN_CHANGE) control_.HandleChange();
  }

  void SetCursor(Cursor cursor) override { cursor_ = cursor; }

  // Keys and the mouse reach the program's handlers before the control acts on them; a right
  // button's release opens the context menu.
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    Point at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
      case WM_KEYDOWN: control_.HandleKeyDown(static_cast<int>(wp), Shift()); break;
      case WM_LBUTTONDOWN: control_.HandleMouseDown(MouseButton::Left, Shift(), at); break;
      case WM_RBUTTONDOWN: control_.HandleMouseDown(MouseButton::Right, Shift(), at); break;
      case WM_MBUTTONDOWN: control_.HandleMouseDown(MouseButton::Middle, Shift(), at); break;
      case WM_MOUSEMOVE: control_.HandleMouseMove(Shift(), at); break;
      case WM_LBUTTONUP: control_.HandleMouseUp(MouseButton::Left, Shift(), at); break;
      case WM_MBUTTONUP: control_.HandleMouseUp(MouseButton::Middle, Shift(), at); break;
      case WM_RBUTTONUP: {
        control_.HandleMouseUp(MouseButton::Right, Shift(), at);
        POINT p{at.x, at.y};
        ClientToScreen(hwnd, &p);
        control_.HandleContextMenu({p.x, p.y});
        return 0;
      }
      case WM_CONTEXTMENU:
        if (lp != -1) return 0;  // a right click, already handled at its release
        control_.HandleContextMenu({0, 0});
        return 0;
      case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && cursor_ != Cursor::Default) {
          ::SetCursor(LoadCursor(nullptr, cursor_ == Cursor::VSplit ? IDC_SIZENS : IDC_SIZEWE));
          return TRUE;
        }
        break;
      default: break;
    }
    return CallWindowProcA(previous_, hwnd, msg, wp, lp);
  }

 private:
  static unsigned Shift() {
    return (GetKeyState(VK_SHIFT) < 0 ? ssShift : 0u) | (GetKeyState(VK_CONTROL) < 0 ? ssCtrl : 0u) |
           (GetKeyState(VK_MENU) < 0 ? ssAlt : 0u);
  }

  void Create() {
    Bounds b = control_.GetBounds();
    DWORD style = WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL |
                  (bars_ == ScrollBars::Vertical ? WS_VSCROLL : 0) | (control_.Visible() ? WS_VISIBLE : 0);
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, rich_ ? RICHEDIT_CLASSA : "EDIT", "", style, b.left, b.top, b.width,
                            b.height, parent_, nullptr, Instance(), nullptr);
    AttachControl(hwnd_, this, &previous_);
    if (rich_) {
      ApplyTextMode();
      SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
      SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    }
  }

  // The control changes its text mode only while it holds no text.
  void ApplyTextMode() {
    WPARAM mode = (plain_ ? TM_PLAINTEXT : TM_RICHTEXT) | TM_MULTILEVELUNDO | TM_MULTICODEPAGE;
    SendMessageA(hwnd_, EM_SETTEXTMODE, mode, 0);
  }

  void Destroy() {
    DetachControl(hwnd_, previous_);
    DestroyWindow(hwnd_);
  }

  // The same text, formats, selection and marks in a window made anew, without a change event.
  void Recreate() {
    bool rtf = rich_ && !plain_;
    std::string content = rtf ? StreamOutRtf() : Text();
    CHARRANGE sel = Selection();
    bool modified = Modified();
    bool had_focus = GetFocus() == hwnd_;
    Destroy();
    Create();
    SetFont(font_);
    SetBackground(background_);
    SetWordWrap(wrap_);
    SetReadOnly(read_only_);
    SendMessageA(hwnd_, EM_SETEVENTMASK, 0, 0);
    if (rtf) StreamInRtf(content);
    else SetText(content);
    if (rich_) SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
    SetSel(sel.cpMin, sel.cpMax - sel.cpMin);
    SetModified(modified);
    if (had_focus) ::SetFocus(hwnd_);
  }

  struct Source {
    const std::string* data;
    std::size_t at;
  };
  static DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* s = reinterpret_cast<Source*>(cookie);
    std::size_t n = std::min(static_cast<std::size_t>(wanted), s->data->size() - s->at);
    std::copy_n(s->data->data() + s->at, n, buffer);
    s->at += n;
    *got = static_cast<LONG>(n);
    return 0;
  }
  static DWORD CALLBACK WriteSink(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(count));
    *written = count;
    return 0;
  }

  CHARRANGE Selection() {
    CHARRANGE r{0, 0};
    if (rich_) {
      SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    } else {
      DWORD start = 0, end = 0;
      SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      r = {static_cast<LONG>(start), static_cast<LONG>(end)};
    }
    return r;
  }

  TextControl& control_;
  HWND parent_;
  bool rich_;
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
  ScrollBars bars_ = ScrollBars::None;
  Font font_;
  Color background_ = clWindow;
  bool wrap_ = true, read_only_ = false, plain_ = false;
  Cursor cursor_ = Cursor::Default;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<TextPeer> NewMemoPeer(Memo& memo, WindowPeer& parent) {
  return std::make_unique<win32::TextWindow>(memo, win32::HandleOf(parent), false);
}

std::unique_ptr<RichEditPeer> NewRichEditPeer(RichEdit& edit, WindowPeer& parent) {
  return std::make_unique<win32::TextWindow>(edit, win32::HandleOf(parent), true);
}

}  // namespace ui::backend
