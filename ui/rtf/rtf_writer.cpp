#include "ui/rtf/rtf_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/cp932.h"

namespace ui::rtf {

namespace {

constexpr int kMaxHalfPoints = 3276;
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
      WriteText(run.text);
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
      std::pair<std::string, int> font{run.format.face, run.format.charset};
      if (std::find(fonts_.begin(), fonts_.end(), font) == fonts_.end()) fonts_.push_back(font);
      std::uint32_t c = run.format.color;
      if (c != kAutoColor && std::find(colors_.begin(), colors_.end(), c) == colors_.end())
        colors_.push_back(c);
    }
    if (fonts_.empty()) fonts_.push_back({std::string(), kDefaultCharset});
  }

  void WriteFontTable() {
    out_ += "{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
      out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" +
              std::to_string(std::clamp(fonts_[i].second, 0, 255)) + " ";
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
      out_ += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
              "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
    }
    out_ += "}\r\n";
  }

  void WriteFormat(const CharFormat& f, bool all) {
    auto flag = [&](bool on, bool was, const char* set, const char* clear) {
      if (all || on != was) Word(on ? set : clear);
    };
    if (all || f.face != current_.face || f.charset != current_.charset) {
      std::pair<std::string, int> font{f.face, f.charset};
      Word("\\f" + std::to_string(std::find(fonts_.begin(), fonts_.end(), font) - fonts_.begin()));
    }
    int halfPoints = std::clamp(f.halfPoints, 1, kMaxHalfPoints);
    if (all || halfPoints != std::clamp(current_.halfPoints, 1, kMaxHalfPoints))
      Word("\\fs" + std::to_string(halfPoints));
    flag(f.bold, current_.bold, "\\b", "\\b0");
    flag(f.italic, current_.italic, "\\i", "\\i0");
    flag(f.underline, current_.underline, "\\ul", "\\ulnone");
    flag(f.strikeOut, current_.strikeOut, "\\strike", "\\strike0");
    if (all || f.color != current_.color) {
      std::size_t index = 0;
      if (f.color != kAutoColor)
        index = 1 + static_cast<std::size_t>(std::find(colors_.begin(), colors_.end(), f.color) -
                                              colors_.begin());
      Word("\\cf" + std::to_string(index));
    }
    current_ = f;
  }

  void WriteText(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
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
  std::vector<std::pair<std::string, int>> fonts_;
  std::vector<std::uint32_t> colors_;
  CharFormat current_;
  std::string out_;
  bool delimit_ = false;
};

}  // namespace

std::string WriteRtf(const RichText& text) { return Writer(text).Write(); }

}  // namespace ui::rtf
