// The toolkit's headers come after the platform's, whose macros native.h takes back.
#include "ui/win32/text_window.h"

#include <commdlg.h>
#include <richedit.h>

#include <optional>
#include <string_view>
#include <vector>

#include "core/cp932.h"
#include "ui/clipboard.h"
#include "ui/exception.h"
#include "core/rtf/replace_every.h"
#include "core/rtf/rich_text.h"
#include "core/rtf/rtf_reader.h"
#include "ui/win32/rich_print.h"
#include "ui/win32/system_libraries.h"

namespace ui::win32 {

namespace {

struct Source {
  std::string_view bytes;
  std::size_t at;
};

// Whole pieces of UTF-16 too: the control asks for an even count, and the bytes are even.
DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
  auto* s = reinterpret_cast<Source*>(cookie);
  std::size_t n = std::min(static_cast<std::size_t>(wanted), s->bytes.size() - s->at);
  std::copy_n(s->bytes.data() + s->at, n, buffer);
  s->at += n;
  *got = static_cast<LONG>(n);
  return 0;
}

// Text of the system code page as UTF-16.
std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  int n = text.empty() ? 0
                       : MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                             static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(n));
  return wide;
}

// The same, each line end one '\r', as the control holds it.
std::wstring ControlWide(const std::string& text) {
  const std::wstring wide = Wide(text);
  std::wstring out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') continue;
    out += wide[i] == L'\n' ? L'\r' : wide[i];
  }
  return out;
}

CHARFORMAT2A NativeFormat(const core::rtf::CharFormat& f) {
  CHARFORMAT2A cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR | CFM_CHARSET;
  if (!f.face.empty()) {
    cf.dwMask |= CFM_FACE;
    lstrcpynA(cf.szFaceName, f.face.c_str(), LF_FACESIZE);
  }
  cf.bCharSet = static_cast<BYTE>(f.charset);
  cf.yHeight = f.halfPoints * 10;
  if (f.bold) cf.dwEffects |= CFE_BOLD;
  if (f.italic) cf.dwEffects |= CFE_ITALIC;
  if (f.underline) cf.dwEffects |= CFE_UNDERLINE;
  if (f.strikeOut) cf.dwEffects |= CFE_STRIKEOUT;
  if (f.color == core::rtf::kAutoColor)
    cf.dwEffects |= CFE_AUTOCOLOR;
  else
    cf.crTextColor = f.color;
  return cf;
}

DWORD CALLBACK WriteSink(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(count));
  *written = count;
  return 0;
}

// What a paragraph's own format holds; a text whose paragraphs agree in all of it can take it back
// whole.
constexpr DWORD kParagraphFormat = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_SPACEBEFORE |
                                   PFM_SPACEAFTER | PFM_LINESPACING | PFM_TABSTOPS | PFM_NUMBERING;

class RichEditWindow : public TextWindow<RichEditPeer> {
 public:
  RichEditWindow(RichEdit& edit, HWND parent) : TextWindow(edit, parent) {
    static HMODULE library = LoadSystemLibrary("riched20.dll");
    (void)library;
    MakeWindow();
    Attach();
  }

  std::string Text() override {
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    auto bytes =
        static_cast<std::size_t>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::string text(bytes + 2, '\0');
    GETTEXTEX get{static_cast<DWORD>(text.size()), GT_USECRLF, CP_ACP, nullptr, nullptr};
    auto got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
  }

  // Wine's rich edit empties a text in time that grows with the square of its paragraphs, and
  // lets go of a window in no time: a text this long is replaced in a window made anew.
  bool Long() {
    GETTEXTLENGTHEX length{GTL_DEFAULT | GTL_NUMCHARS, 1200};
    return SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0) > kLongText;
  }
  static constexpr LRESULT kLongText = 32 * 1024;

  // False when the control refuses the data.
  bool StreamIn(std::string_view bytes, WPARAM format) {
    Source source{bytes, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadSource};
    SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
  }

  // The text as UTF-16, each paragraph ended by one '\r', in the control's own positions.
  std::wstring WideText() {
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS, 1200};
    auto units =
        static_cast<std::size_t>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::wstring text(units + 1, L'\0');
    GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    auto got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
  }

  // WM_SETTEXT reads text that starts like Rich Text Format as such, even in plain text mode;
  // streamed in as text, a note that starts with "{\rtf" stays the note it is.
  void SetText(const std::string& text) override {
    std::string crlf = WithCrLf(text);
    auto fill = [&] {
      StreamIn(crlf, SF_TEXT);
      SetModified(false);
    };
    if (!Long()) return fill();
    RemakeFilled(fill);
    control_.HandleChange();
  }

  // A line's text comes through a text range: EM_GETLINE takes some forty times as long, and the
  // memo reads lines on every tick.
  std::string Line(int index) override {
    auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (start < 0) return {};
    auto chars = SendMessageA(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (chars <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(chars) * 2 + 8, '\0');
    TEXTRANGEA range{{static_cast<LONG>(start), static_cast<LONG>(start + chars)}, buffer.data()};
    auto got = SendMessageA(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    std::string line(buffer.data(), static_cast<std::size_t>(got));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
  }

  Selection GetSel() override {
    CHARRANGE r{0, 0};
    SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return {r.cpMin, r.cpMax - r.cpMin};
  }
  void SetSel(int start, int length) override {
    CHARRANGE r{start, length < 0 ? -1 : start + length};
    SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
  }

  // Word wrap at the window's width, or none: lines then end only at line ends.
  void SetWordWrap(bool wrap) override { SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1); }

  void SetFont(const Font& font) override {
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
    if (IsSystemColor(font.color))
      cf.dwEffects |= CFE_AUTOCOLOR;
    else
      cf.crTextColor = Resolve(font.color);
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  }

  // The control converts the text from the system's code page, so a double-byte character is
  // matched whole and never by its second byte.
  std::optional<Selection> Find(const std::string& text, int from) override {
    FINDTEXTEXA find{{from, -1}, text.c_str(), {0, 0}};
    if (SendMessageA(hwnd_, EM_FINDTEXTEX, FR_DOWN, reinterpret_cast<LPARAM>(&find)) < 0) return std::nullopt;
    return Selection{find.chrgText.cpMin, find.chrgText.cpMax - find.chrgText.cpMin};
  }

  // The whole text goes into a window made anew, streamed in as UTF-16 so that no character the
  // code page lacks is lost on the way, and its formats are set where they differ from the first
  // character's. Wine's rich edit takes a change at a position in time that grows with the
  // position, a stream into a selection or of Rich Text Format in time that grows with every
  // paragraph read, and the emptying of a long text in time that grows with the square of its
  // paragraphs; a plain text streamed into an empty window takes about as long as reading it.
  // A text the formats cannot be laid over character by character (a line break inside a
  // paragraph, an object), or whose paragraphs differ in their own format, is left to the caller.
  std::optional<int> ReplaceEvery(const std::string& find, const std::string& put, int from) override {
    namespace rtf = core::rtf;
    const std::wstring text = WideText();
    const std::wstring wanted = Wide(find);  // as Find takes it: "\r" is a paragraph's end, "\n" none
    const std::vector<std::size_t> hits =
        rtf::EveryOccurrence(std::wstring_view(text), std::wstring_view(wanted), static_cast<std::size_t>(from)).starts;
    if (hits.empty()) return 0;
    const std::wstring inserted = ControlWide(put);
    const std::size_t find_length = wanted.size(), put_length = inserted.size();
    for (wchar_t c : inserted)
      if (c < L' ' && c != L'\t' && c != L'\r') return std::nullopt;

    const bool rich = RichText();
    std::vector<rtf::FormatSpan> spans;
    PARAFORMAT2 paragraphs{};
    paragraphs.cbSize = sizeof paragraphs;
    if (rich) {
      try {
        std::size_t length = 0;
        for (const rtf::Run& run : rtf::ReadRtf(StreamOutRtf()).runs) {
          std::size_t chars = 0;
          for (std::size_t i = 0; i < run.text.size(); i += core::cp932::CharLength(run.text, i)) {
            if (run.text[i] == '\v' || run.text[i] == '\0') return std::nullopt;
            ++chars;
          }
          spans.push_back({run.format, chars});
          length += chars;
        }
        if (length != text.size()) return std::nullopt;
      } catch (const std::exception&) {
        return std::nullopt;
      }
      Selection was = GetSel();
      SetSel(0, -1);
      SendMessageA(hwnd_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraphs));
      SetSel(was.start, was.length);
      if ((paragraphs.dwMask & kParagraphFormat) != kParagraphFormat) return std::nullopt;
      paragraphs.dwMask = kParagraphFormat;
    }

    std::wstring replaced;
    replaced.reserve(text.size() + hits.size() * put_length);
    std::size_t copied = 0;
    for (std::size_t hit : hits) {
      replaced.append(text, copied, hit - copied);
      replaced += inserted;
      copied = hit + find_length;
    }
    replaced.append(text, copied);

    const std::size_t last = hits.back() + (hits.size() - 1) * put_length - (hits.size() - 1) * find_length;
    const std::vector<rtf::FormatSpan> formats =
        rich ? rtf::ReplacedSpans(spans, hits, find_length, put_length) : std::vector<rtf::FormatSpan>{};
    POINT scrolled{};  // the view stays where it was, as it does for changes made in place
    SendMessageA(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    RemakeFilled([&] {
      // Text streamed in at a caret takes the format set there, which costs nothing in an empty
      // window; a format set over a long text takes Wine's rich edit minutes.
      if (!formats.empty()) {
        CHARFORMAT2A cf = NativeFormat(formats.front().format);
        SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
      }
      StreamIn({reinterpret_cast<const char*>(replaced.data()), replaced.size() * sizeof(wchar_t)},
               SF_TEXT | SF_UNICODE | SFF_SELECTION);
      if (rich) {
        SetSel(0, -1);
        SendMessageA(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraphs));
      }
      std::size_t at = 0;
      for (const rtf::FormatSpan& span : formats) {
        if (&span != &formats.front() && span.format != formats.front().format) {
          SetSel(static_cast<int>(at), static_cast<int>(span.length));
          CHARFORMAT2A cf = NativeFormat(span.format);
          SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        }
        at += span.length;
      }
      SetSel(static_cast<int>(last + put_length), 0);
      SendMessageA(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
      SetModified(true);
    });
    control_.HandleChange();
    return static_cast<int>(hits.size());
  }

  // One change at a time, as the program sets them: colour, face, size, styles.
  void SetSelFormat(const Font& font) override {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    auto apply = [&](DWORD mask) {
      cf.dwMask = mask;
      SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    };
    if (IsSystemColor(font.color))
      cf.dwEffects |= CFE_AUTOCOLOR;
    else
      cf.crTextColor = Resolve(font.color);
    apply(CFM_COLOR);
    lstrcpynA(cf.szFaceName, font.name.c_str(), LF_FACESIZE);
    apply(CFM_FACE);
    cf.yHeight = core::rtf::HalfPointsFromPixels(font.PixelHeight()) * 10;
    apply(CFM_SIZE);
    cf.dwEffects = 0;
    if (font.style & fsBold) cf.dwEffects |= CFE_BOLD;
    if (font.style & fsItalic) cf.dwEffects |= CFE_ITALIC;
    if (font.style & fsUnderline) cf.dwEffects |= CFE_UNDERLINE;
    if (font.style & fsStrikeOut) cf.dwEffects |= CFE_STRIKEOUT;
    apply(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT);
  }

  Font SelFormat() override {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    unsigned style = 0;
    if (cf.dwEffects & CFE_BOLD) style |= fsBold;
    if (cf.dwEffects & CFE_ITALIC) style |= fsItalic;
    if (cf.dwEffects & CFE_UNDERLINE) style |= fsUnderline;
    if (cf.dwEffects & CFE_STRIKEOUT) style |= fsStrikeOut;
    Color color = cf.dwEffects & CFE_AUTOCOLOR ? clWindowText : static_cast<Color>(cf.crTextColor & 0xFFFFFF);
    return {cf.szFaceName, -core::rtf::PixelsFromHalfPoints(static_cast<int>(cf.yHeight) / 10), style, color};
  }

  void SetBackground(Color color) override {
    SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(Resolve(color)));
  }

  // The rich edit's own clipboard commands go through OLE, which Wine's needs initialised; the
  // text goes through the clipboard's text format instead, as the plain edit's does.
  void Cut() override {
    Copy();
    ReplaceSel("");
  }
  void Copy() override {
    std::vector<char> buffer(static_cast<std::size_t>(GetSel().length) * 2 + 2, '\0');
    auto got = SendMessageA(hwnd_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    backend::SetClipboardText(WithCrLf(std::string(buffer.data(), static_cast<std::size_t>(got))));
  }
  void Paste() override { ReplaceSel(backend::ClipboardText()); }

  // The platform changes the mode only while the control holds no text and no undo history;
  // setting the text empties both.
  void SetPlainText(bool plain) override {
    SetWindowTextA(hwnd_, "");
    WPARAM mode = (plain ? TM_PLAINTEXT : TM_RICHTEXT) | TM_MULTILEVELUNDO | TM_MULTICODEPAGE;
    SendMessageA(hwnd_, EM_SETTEXTMODE, mode, 0);
  }

  // The control reports a rejected document through dwError, not always through its result.
  // A long text is let go with its window, and kept to be put back should the data be refused.
  bool StreamInRtf(const std::string& data) override {
    if (!Long()) return StreamIn(data, SF_RTF);
    const std::string kept = StreamOutRtf();
    const Selection sel = GetSel();
    const bool modified = Modified();
    bool taken = false;
    RemakeFilled([&] {
      taken = StreamIn(data, SF_RTF);
      if (!taken) {
        StreamIn(kept, SF_RTF);
        SetSel(sel.start, sel.length);
        SetModified(modified);
      }
    });
    if (taken) control_.HandleChange();
    return taken;
  }

  // The control ends the document with a NUL after its closing brace, which is no part of it.
  std::string StreamOutRtf() override {
    std::string out;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, &WriteSink};
    SendMessageA(hwnd_, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    while (!out.empty() && out.back() == '\0') out.pop_back();
    return out;
  }

  // The control's own page formatting, page after page over the whole printable area; the
  // control is told to let go of the printer's device afterwards.
  void Print(const PrinterChoice& printer, const std::string& document_name) override {
    const auto* settings = printer.settings.size() >= sizeof(DEVMODEA)
                               ? reinterpret_cast<const DEVMODEA*>(printer.settings.data())
                               : nullptr;
    HDC dc = CreateDCA("WINSPOOL", printer.device.c_str(), nullptr, settings);
    if (!dc) throw Exception("プリンタ " + printer.device + " に接続できません");
    struct Device {
      HDC dc;
      ~Device() { DeleteDC(dc); }
    } device{dc};
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = document_name.c_str();
    if (StartDocA(dc, &doc) <= 0) throw Exception("印刷を始められません");
    RECT area{0, 0, MulDiv(GetDeviceCaps(dc, HORZRES), 1440, GetDeviceCaps(dc, LOGPIXELSX)),
              MulDiv(GetDeviceCaps(dc, VERTRES), 1440, GetDeviceCaps(dc, LOGPIXELSY))};
    GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
    LONG end = static_cast<LONG>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = dc;
    range.rc = range.rcPage = area;
    range.chrg = {0, end};
    bool failed = false;
    // A control that formats nothing for the first page cannot format for a printer at all;
    // the toolkit then lays the text out itself, from the control's own document.
    LONG first = static_cast<LONG>(SendMessageA(hwnd_, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
    SendMessageA(hwnd_, EM_FORMATRANGE, FALSE, 0);
    if (end > 0 && first <= 0) {
      try {
        failed = !PrintRichText(dc, core::rtf::ReadRtf(StreamOutRtf()));
      } catch (const std::exception&) {
        failed = true;
      }
    } else {
      do {
        if (StartPage(dc) <= 0) {
          failed = true;
          break;
        }
        LONG next = static_cast<LONG>(SendMessageA(hwnd_, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        if (EndPage(dc) <= 0) failed = true;
        if (failed || next <= range.chrg.cpMin) break;
        range.chrg.cpMin = next;
      } while (range.chrg.cpMin < end);
      SendMessageA(hwnd_, EM_FORMATRANGE, FALSE, 0);
    }
    if (failed) {
      AbortDoc(dc);
      throw Exception("印刷できませんでした");
    }
    EndDoc(dc);
  }

  int ClientWidth() override {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
  }

 protected:
  void MakeWindow() override {
    CreateControl(RICHEDIT_CLASSA, 0);
    SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  }
  void Attach() override {
    TextWindow::Attach();
    SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  }
  // The text with its formats, unless the control holds plain text.
  std::string TakeContent() override { return RichText() ? StreamOutRtf() : Text(); }
  void PutContent(const std::string& content) override {
    if (RichText())
      StreamInRtf(content);
    else
      SetText(content);
  }

 private:
  bool RichText() { return (SendMessageA(hwnd_, EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT) != 0; }
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {

std::unique_ptr<RichEditPeer> NewRichEditPeer(RichEdit& edit, WindowPeer& parent) {
  return std::make_unique<win32::RichEditWindow>(edit, win32::HandleOf(parent));
}

}  // namespace ui::backend
