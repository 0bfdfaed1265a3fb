#include "core/cp932_unicode.h"

#include <cstdint>

namespace core::cp932 {

namespace {

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;
constexpr unsigned kTrails = kLastTrail - kFirstTrail + 1;
constexpr unsigned kLeads = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

// Made from the system's mapping by scripts/make-cp932-table.
constexpr std::uint16_t kDoubleByte[] = {
#include "core/cp932_table.inc"
};
static_assert(sizeof kDoubleByte / sizeof kDoubleByte[0] == kLeads * kTrails);

constexpr unsigned kHalfWidthFirst = 0xA1;  // U+FF61, the half-width full stop
constexpr unsigned kHalfWidthLast = 0xDF;

// Where each lead byte's row starts in the tables; -1 for a byte that leads no pair.
constexpr auto kRowStart = [] {
  std::array<int, 256> start{};
  int row = 0;
  for (unsigned c = 0; c < 256; ++c)
    start[c] = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? row++ * kTrails : -1;
  return start;
}();

constexpr bool IsTrailByte(unsigned c) { return c >= kFirstTrail && c <= kLastTrail && c != 0x7F; }

// Every character the code page gives lies in the basic plane: two or three bytes beyond ASCII.
constexpr char* PutBasic(char* o, char32_t c) {
  if (c < 0x800) {
    *o++ = static_cast<char>(0xC0 | (c >> 6));
  } else {
    *o++ = static_cast<char>(0xE0 | (c >> 12));
    *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *o++ = static_cast<char>(0x80 | (c & 0x3F));
  return o;
}

// Each pair's UTF-8, made as the program is compiled: the bytes from the lowest up, their count
// in the highest (U+FFFD's for a pair that is no character). Written as three bytes at once.
constexpr auto kDoubleByteUtf8 = [] {
  std::array<std::uint32_t, kLeads * kTrails> utf8{};
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    char bytes[3] = {};
    const auto n =
        static_cast<std::uint32_t>(PutBasic(bytes, kDoubleByte[i] != 0 ? kDoubleByte[i] : kReplacement) - bytes);
    utf8[i] = n << 24;
    for (std::uint32_t k = 0; k < n; ++k) utf8[i] |= std::uint32_t{static_cast<unsigned char>(bytes[k])} << (8 * k);
  }
  return utf8;
}();

// Where the pair that starts at p lies in the tables; -1 if p starts none.
inline int PairAt(const unsigned char* p, const unsigned char* end) {
  const int row = kRowStart[*p];
  if (row < 0 || p + 1 == end || !IsTrailByte(p[1])) return -1;
  return row + static_cast<int>(p[1] - kFirstTrail);
}

// A byte that is a character of its own, beyond ASCII.
constexpr char32_t HighByte(unsigned c) {
  return c >= kHalfWidthFirst && c <= kHalfWidthLast ? 0xFF61 + (c - kHalfWidthFirst) : kReplacement;
}

// The UTF-8 of the text from p, written at out, until its end or a byte that `stops` (ASCII
// runs in Japanese text are short: a call to copy each would cost more than their bytes).
template <class Stops>
inline const unsigned char* Put(char*& out, const unsigned char* p, const unsigned char* end, Stops stops) {
  char* o = out;
  while (p < end) {
    const unsigned c = *p;
    if (c < 0x80) {
      if (stops(c)) break;
      *o++ = static_cast<char>(c);
      ++p;
    } else if (const int pair = PairAt(p, end); pair >= 0) {
      // Three bytes are written for two read: within the room a writer keeps.
      const std::uint32_t utf8 = kDoubleByteUtf8[pair];
      o[0] = static_cast<char>(utf8);
      o[1] = static_cast<char>(utf8 >> 8);
      o[2] = static_cast<char>(utf8 >> 16);
      o += utf8 >> 24;
      p += 2;
    } else {
      o = PutBasic(o, HighByte(c));
      ++p;
    }
  }
  out = o;
  return p;
}

}  // namespace

char32_t ToUnicode(std::string_view text, std::size_t& i) {
  const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned c = begin[i];
  if (c < 0x80) {
    ++i;
    return c;
  }
  if (const int pair = PairAt(begin + i, begin + text.size()); pair >= 0) {
    i += 2;
    return kDoubleByte[pair] != 0 ? kDoubleByte[pair] : kReplacement;
  }
  ++i;
  return HighByte(c);
}

char* PutUtf8(char* out, std::string_view cp932_text) {
  const auto* p = reinterpret_cast<const unsigned char*>(cp932_text.data());
  Put(out, p, p + cp932_text.size(), [](unsigned) { return false; });
  return out;
}

std::size_t PutUtf8Until(char*& out, std::string_view cp932_text, const AsciiSet& stop) {
  const auto* p = reinterpret_cast<const unsigned char*>(cp932_text.data());
  return static_cast<std::size_t>(Put(out, p, p + cp932_text.size(), [&stop](unsigned c) { return stop[c]; }) - p);
}

void AppendUtf8(std::string& out, std::string_view cp932_text) {
  // Room for the worst, then cut back.
  const std::size_t at = out.size();
  out.resize(at + kMaxUtf8PerByte * cp932_text.size());
  char* const start = out.data() + at;
  out.resize(at + static_cast<std::size_t>(PutUtf8(start, cp932_text) - start));
}

std::string ToUtf8(std::string_view cp932_text) {
  std::string out;
  AppendUtf8(out, cp932_text);
  return out;
}

void AppendCodePoint(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x10000) {
    char bytes[3];
    out.append(bytes, static_cast<std::size_t>(PutBasic(bytes, c) - bytes));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace core::cp932
