// The toolkit's headers come after the platform's, whose macros native.h takes back.
#include "ui/win32/text_window.h"

#include <imm.h>

#include <vector>

namespace ui::win32 {

namespace {

// The plain edit: one line for a dialog, or many. The multi-line one takes word wrap from its
// style, as it takes scroll bars: without wrap it scrolls sideways instead.
class EditWindow : public TextWindow<TextPeer> {
 public:
  EditWindow(TextControl& control, HWND parent, bool single_line)
      : TextWindow(control, parent), single_line_(single_line) {
    MakeWindow();
    Attach();
  }

  std::string Text() override {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  void SetText(const std::string& text) override { SetWindowTextA(hwnd_, WithCrLf(text).c_str()); }

  std::string Line(int index) override {
    auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (start < 0) return {};
    auto chars = SendMessageA(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (chars <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(chars) * 2 + 8, '\0');
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(buffer.size() - 1);
    auto got = SendMessageA(hwnd_, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    std::string line(buffer.data(), static_cast<std::size_t>(got));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
  }

  Selection GetSel() override {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
  }
  void SetSel(int start, int length) override {
    SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), length < 0 ? -1 : start + length);
  }

  void SetWordWrap(bool wrap) override {
    if (single_line_) return;
    bool wraps = (GetWindowLongA(hwnd_, GWL_STYLE) & ES_AUTOHSCROLL) == 0;
    if (wraps != wrap) Remake();
  }
  void SetFont(const Font& font) override {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(font)), TRUE);
  }
  // The plain edit paints in the desktop's window colours.
  void SetBackground(Color) override {}

  void Cut() override { SendMessageA(hwnd_, WM_CUT, 0, 0); }
  void Copy() override { SendMessageA(hwnd_, WM_COPY, 0, 0); }
  void Paste() override { SendMessageA(hwnd_, WM_PASTE, 0, 0); }
  void SetImeOnFocus(std::optional<ImeMode> mode) override { ime_on_focus_ = mode; }

  // The input method takes its mode once the edit has taken the keyboard.
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    LRESULT result = TextWindow::OnMessage(hwnd, msg, wp, lp);
    if (msg == WM_SETFOCUS && ime_on_focus_) {
      if (HIMC context = ImmGetContext(hwnd)) {
        bool hiragana = *ime_on_focus_ == ImeMode::Hiragana;
        ImmSetOpenStatus(context, hiragana);
        if (hiragana) ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_NONE);
        ImmReleaseContext(hwnd, context);
      }
    }
    return result;
  }

 protected:
  void MakeWindow() override {
    if (single_line_)
      CreateControl("EDIT", ES_AUTOHSCROLL, false);
    else
      CreateControl("EDIT", control_.WordWrap() ? 0 : ES_AUTOHSCROLL);
  }
  std::string TakeContent() override { return Text(); }
  void PutContent(const std::string& content) override { SetText(content); }

 private:
  bool single_line_;
  std::optional<ImeMode> ime_on_focus_;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<TextPeer> NewEditPeer(Edit& edit, WindowPeer& parent) {
  return std::make_unique<win32::EditWindow>(edit, win32::HandleOf(parent), true);
}

std::unique_ptr<TextPeer> NewMemoPeer(Memo& memo, WindowPeer& parent) {
  return std::make_unique<win32::EditWindow>(memo, win32::HandleOf(parent), false);
}

}  // namespace ui::backend
