#pragma once
// Formatted text as the memo editor holds it: CP932 text in runs of equal character formatting.
//
// The text follows the rich edit control's own text (what EM_GETTEXTEX gives without CR LF
// conversion): '\r' ends a paragraph, '\v' is a line break inside one, '\t' a tab; the last
// paragraph has no mark of its own. Text is always whole CP932 characters: no lead byte without
// its second byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core::rtf {

// The control's "automatic" text colour (its CLR_DEFAULT): the window text colour, not a fixed one.
inline constexpr std::uint32_t kAutoColor = 0xFF000000;
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;  // the system's own: Shift-JIS on a Japanese system
inline constexpr int kShiftJisCharset = 128;
// RTF's size when no \fs is given: 12 points.
inline constexpr int kDefaultHalfPoints = 24;

struct CharFormat {
  std::string face;  // CP932 bytes, e.g. "ＭＳ ゴシック"; empty for the document's default font
  int charset = kDefaultCharset;
  int halfPoints = kDefaultHalfPoints;  // \fsN, as the control's CHARFORMAT yHeight / 10
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint32_t color = kAutoColor;  // 0x00BBGGRR, or kAutoColor

  bool operator==(const CharFormat&) const = default;
};

struct Run {
  std::string text;
  CharFormat format;

  bool operator==(const Run&) const = default;
};

struct RichText {
  std::vector<Run> runs;  // never an empty run; neighbours always differ in format

  // Adds text at the end, joining the last run when the format is the same.
  void Append(std::string_view text, const CharFormat& format);
  std::string Text() const;

  bool operator==(const RichText&) const = default;
};

// The control keeps at most this many bytes of a face name (LF_FACESIZE less its NUL).
inline constexpr std::size_t kMaxFaceBytes = 31;
// The face name as the control would keep it: cut to kMaxFaceBytes, never inside a character.
std::string ClampFace(std::string_view face);

// Font heights at the screen's 96 dots per inch, as the toolkit's font pixel height gives them.
int HalfPointsFromPixels(int pixels);
int PixelsFromHalfPoints(int halfPoints);

}  // namespace core::rtf
