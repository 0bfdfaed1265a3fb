#pragma once
// Shorthands for the formats the RTF tests write and expect.

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

#include "core/rtf/rich_text.h"

namespace core::rtf {

// Failures show each run's bytes and format, readable whatever the terminal's encoding.
inline void PrintTo(const RichText& text, std::ostream* os) {
  for (const Run& run : text.runs) {
    *os << "\n  [";
    for (unsigned char c : run.text) {
      if (c >= 0x20 && c < 0x7F) {
        *os << c;
      } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        *os << hex;
      }
    }
    const CharFormat& f = run.format;
    char fmt[96];
    std::snprintf(fmt, sizeof fmt, "] face=%zu bytes charset=%d fs=%d b%d i%d u%d s%d color=%08X", f.face.size(),
                  f.charset, f.halfPoints, f.bold, f.italic, f.underline, f.strikeOut, static_cast<unsigned>(f.color));
    *os << fmt;
  }
}

}  // namespace core::rtf

namespace rtf_test {

enum Effect : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrike = 8 };

inline core::rtf::CharFormat Format(std::string face, int charset, int halfPoints, unsigned effects,
                                    std::uint32_t color) {
  core::rtf::CharFormat f;
  f.face = std::move(face);
  f.charset = charset;
  f.halfPoints = halfPoints;
  f.bold = effects & kBold;
  f.italic = effects & kItalic;
  f.underline = effects & kUnderline;
  f.strikeOut = effects & kStrike;
  f.color = color;
  return f;
}

inline core::rtf::CharFormat Gothic(int halfPoints = 18, unsigned effects = 0, std::uint32_t color = 0x000000) {
  return Format("ＭＳ ゴシック", core::rtf::kShiftJisCharset, halfPoints, effects, color);
}

}  // namespace rtf_test
