#include "core/rtf/rtf_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cp932.h"

namespace core::rtf {

namespace {

constexpr int kMaxHalfPoints = 3276;
constexpr int kSymbolCharset = 2;

using Font = std::pair<std::string, int>;  // face and character set, one font table entry

// The control reads \'xx bytes in the code page of the font's character set, so CP932 text in,
// say, a Western font would come back as other characters; such text is written in the same face
// with the Japanese character set, as the control does itself when it binds a font.
bool NeedsJapaneseCharset(const CharFormat& f, std::string_view text) {
  if (f.charset == kShiftJisCharset || f.charset == kDefaultCharset || f.charset == kSymbolCharset) return false;
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}
// Tells a reader the document is in Japanese, as the control's own files do.
constexpr const char* kHeader = "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041";

class Writer {
 public:
  explicit Writer(const RichText& text) : text_(text) {}

  std::string Write() {
    CollectTables();
    out_ = kHeader;
    WriteFontTable();
    WriteColorTable();
    out_ += "\\pard";
    delimit_ = true;
    bool first = true;
    for (const Run& run : text_.runs) {
      WriteFormat(run.format, first);
      first = false;
      WriteText(run);
    }
    // The control drops the last paragraph mark when it reads; this one stands for the end of
    // the last paragraph, so a text ending in "\r" keeps its empty last paragraph.
    Word("\\par");
    out_ += "\r\n}";
    return std::move(out_);
  }

 private:
  void CollectTables() {
    for (const Run& run : text_.runs) {
      AddFont(OwnFont(run.format));
      if (NeedsJapaneseCharset(run.format, run.text)) AddFont(JapaneseFont(run.format));
      std::uint32_t c = run.format.color;
      if (c != kAutoColor && colorIndex_.emplace(c, colors_.size() + 1).second) colors_.push_back(c);
    }
    if (fonts_.empty()) AddFont({std::string(), kDefaultCharset});
  }

  static Font OwnFont(const CharFormat& f) { return {ClampFace(f.face), std::clamp(f.charset, 0, 255)}; }
  static Font JapaneseFont(const CharFormat& f) { return {ClampFace(f.face), kShiftJisCharset}; }

  void AddFont(const Font& font) {
    if (fontIndex_.emplace(font, fonts_.size()).second) fonts_.push_back(font);
  }

  std::size_t FontIndex(const Font& font) const { return fontIndex_.at(font); }

  void SelectFont(std::size_t index, bool always) {
    if (!always && index == currentFont_) return;
    Word("\\f" + std::to_string(index));
    currentFont_ = index;
  }

  void WriteFontTable() {
    out_ += "{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
      out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" + std::to_string(fonts_[i].second) + " ";
      for (char c : fonts_[i].first) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b >= 0x80 || b < 0x20 || c == ';' || c == '\\' || c == '{' || c == '}')
          Hex(b);
        else
          out_ += c;
      }
      out_ += ";}";
    }
    out_ += "}\r\n";
  }

  void WriteColorTable() {
    out_ += "{\\colortbl;";
    for (std::uint32_t c : colors_) {
      out_ += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
              std::to_string((c >> 16) & 0xFF) + ";";
    }
    out_ += "}\r\n";
  }

  void WriteFormat(const CharFormat& f, bool all) {
    auto flag = [&](bool on, bool was, const char* set, const char* clear) {
      if (all || on != was) Word(on ? set : clear);
    };
    SelectFont(FontIndex(OwnFont(f)), all);
    int halfPoints = std::clamp(f.halfPoints, 1, kMaxHalfPoints);
    if (all || halfPoints != std::clamp(current_.halfPoints, 1, kMaxHalfPoints))
      Word("\\fs" + std::to_string(halfPoints));
    flag(f.bold, current_.bold, "\\b", "\\b0");
    flag(f.italic, current_.italic, "\\i", "\\i0");
    flag(f.underline, current_.underline, "\\ul", "\\ulnone");
    flag(f.strikeOut, current_.strikeOut, "\\strike", "\\strike0");
    if (all || f.color != current_.color) {
      Word("\\cf" + std::to_string(f.color == kAutoColor ? 0 : colorIndex_.at(f.color)));
    }
    current_ = f;
  }

  void WriteText(const Run& run) {
    const std::string& text = run.text;
    std::size_t own = currentFont_;
    std::size_t japanese = NeedsJapaneseCharset(run.format, text) ? FontIndex(JapaneseFont(run.format)) : own;
    for (std::size_t i = 0; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      SelectFont(c >= 0x80 ? japanese : own, false);
      if (cp932::IsLeadByte(c) && i + 1 < text.size()) {
        Hex(c);
        Hex(static_cast<unsigned char>(text[++i]));
      } else if (c == '\r') {
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        Word("\\par");
        out_ += "\r\n";
        delimit_ = false;
      } else if (c == '\n') {
        Word("\\par");
        out_ += "\r\n";
        delimit_ = false;
      } else if (c == '\v') {
        Word("\\line");
      } else if (c == '\t') {
        Word("\\tab");
      } else if (c == '\\' || c == '{' || c == '}') {
        out_ += '\\';
        out_ += static_cast<char>(c);
        delimit_ = false;
      } else if (c >= 0x80 || c < 0x20 || c == 0x7F) {
        Hex(c);
      } else {
        Literal(static_cast<char>(c));
      }
    }
  }

  void Word(const std::string& word) {
    out_ += word;
    delimit_ = true;
  }

  // A letter, digit or space right after a control word would be taken as part of it.
  void Literal(char c) {
    if (delimit_) out_ += ' ';
    delimit_ = false;
    out_ += c;
  }

  void Hex(unsigned char c) {
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\'%02x", c);
    out_ += buf;
    delimit_ = false;
  }

  const RichText& text_;
  std::vector<Font> fonts_;  // in table order
  std::map<Font, std::size_t> fontIndex_;
  std::size_t currentFont_ = 0;
  std::vector<std::uint32_t> colors_;  // entry 0, automatic, is not among them
  std::map<std::uint32_t, std::size_t> colorIndex_;
  CharFormat current_;
  std::string out_;
  bool delimit_ = false;
};

}  // namespace

std::string WriteRtf(const RichText& text) { return Writer(text).Write(); }

}  // namespace core::rtf
