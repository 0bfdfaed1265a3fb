#include "ui/win32/rich_print.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/cp932.h"

namespace ui::win32 {

namespace {

// The document's default face, as the memo's editor shows it.
constexpr char kDefaultFace[] = "ＭＳ ゴシック";
constexpr int kTabSpaces = 4;

// A run's font at the printer's resolution, made once per format.
class PrinterFonts {
 public:
  explicit PrinterFonts(HDC dc) : dc_(dc), dpi_(GetDeviceCaps(dc, LOGPIXELSY)) {}
  ~PrinterFonts() {
    for (auto& f : fonts_) DeleteObject(f.handle);
  }
  HFONT For(const core::rtf::CharFormat& format) {
    for (auto& f : fonts_) {
      if (f.format == format) return f.handle;
    }
    const std::string face = format.face.empty() ? kDefaultFace : format.face;
    HFONT handle =
        CreateFontA(-MulDiv(format.halfPoints, dpi_, 144), 0, 0, 0, format.bold ? FW_BOLD : FW_NORMAL, format.italic,
                    format.underline, format.strikeOut,
                    static_cast<BYTE>(format.charset == core::rtf::kAnsiCharset ? ANSI_CHARSET : DEFAULT_CHARSET),
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    fonts_.push_back({format, handle});
    return handle;
  }

 private:
  struct Made {
    core::rtf::CharFormat format;
    HFONT handle;
  };
  HDC dc_;
  int dpi_;
  std::vector<Made> fonts_;
};

struct Piece {
  const core::rtf::CharFormat* format;
  std::string text;
  int width = 0;
};

struct Line {
  std::vector<Piece> pieces;
  int ascent = 0, descent = 0;
};

class PageWriter {
 public:
  PageWriter(HDC dc, PrinterFonts& fonts)
      : dc_(dc), fonts_(fonts), width_(GetDeviceCaps(dc, HORZRES)), height_(GetDeviceCaps(dc, VERTRES)) {}

  // One character (or a tab), in its run's format; a line that is full goes to the page first.
  void Add(const core::rtf::CharFormat& format, std::string ch) {
    if (ch == "\t") ch = std::string(kTabSpaces, ' ');
    SelectObject(dc_, fonts_.For(format));
    SIZE size{};
    GetTextExtentPoint32A(dc_, ch.data(), static_cast<int>(ch.size()), &size);
    if (x_ + size.cx > width_ && !line_.pieces.empty()) EndLine(format);
    Measure(format);
    if (line_.pieces.empty() || line_.pieces.back().format != &format) line_.pieces.push_back({&format, {}, 0});
    line_.pieces.back().text += ch;
    line_.pieces.back().width += size.cx;
    x_ += size.cx;
  }

  // An empty line is as high as the font it is in.
  void EndLine(const core::rtf::CharFormat& format) {
    Measure(format);
    int height = line_.ascent + line_.descent;
    if (y_ + height > height_ && y_ > 0) NextPage();
    if (!page_open_) OpenPage();
    int x = 0;
    for (const Piece& p : line_.pieces) {
      SelectObject(dc_, fonts_.For(*p.format));
      SetTextColor(dc_, p.format->color == core::rtf::kAutoColor ? RGB(0, 0, 0) : p.format->color);
      TextOutA(dc_, x, y_ + line_.ascent, p.text.data(), static_cast<int>(p.text.size()));
      x += p.width;
    }
    y_ += height;
    line_ = {};
    x_ = 0;
  }

  bool Finish() {
    if (page_open_ && EndPage(dc_) <= 0) failed_ = true;
    page_open_ = false;
    return !failed_;
  }

 private:
  void Measure(const core::rtf::CharFormat& format) {
    SelectObject(dc_, fonts_.For(format));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    line_.ascent = std::max<int>(line_.ascent, tm.tmAscent);
    line_.descent = std::max<int>(line_.descent, tm.tmDescent + tm.tmExternalLeading);
  }
  void OpenPage() {
    if (StartPage(dc_) <= 0) failed_ = true;
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT);
    page_open_ = true;
  }
  void NextPage() {
    Finish();
    y_ = 0;
  }

  HDC dc_;
  PrinterFonts& fonts_;
  int width_, height_;
  int x_ = 0, y_ = 0;
  bool page_open_ = false, failed_ = false;
  Line line_;
};

}  // namespace

bool PrintRichText(HDC dc, const core::rtf::RichText& text) {
  PrinterFonts fonts(dc);
  HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  bool ok = true;
  {
    PageWriter page(dc, fonts);
    const core::rtf::CharFormat plain{};
    const core::rtf::CharFormat* last = &plain;
    for (const core::rtf::Run& run : text.runs) {
      last = &run.format;
      for (std::size_t i = 0; i < run.text.size();) {
        std::size_t n = core::cp932::CharLength(run.text, i);
        char c = run.text[i];
        if (c == '\r' || c == '\v' || c == '\n')
          page.EndLine(run.format);
        else
          page.Add(run.format, run.text.substr(i, n));
        i += n;
      }
    }
    page.EndLine(*last);
    ok = page.Finish();
  }
  SelectObject(dc, old);
  return ok;
}

}  // namespace ui::win32
