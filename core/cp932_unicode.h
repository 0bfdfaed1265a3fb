#pragma once
// The code page's characters as Unicode, for what leaves the program in UTF-8 (the web page of
// the log sheet). Every code the system's code page holds comes out as it would there: JIS
// X 0208, the NEC special characters of row 13, the NEC-selected and the IBM extensions, the user
// area 0xF040..0xF9FC as private use (U+E000..U+E757), half-width katakana; bytes and pairs that
// are no character become U+FFFD.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace core::cp932 {

inline constexpr char32_t kReplacement = U'\uFFFD';

// The character that starts at text[i] (i < text.size()); i is moved past it. A lead byte whose
// next byte cannot be a second byte (or that ends the text) is a U+FFFD of its own, and that
// next byte a character of its own: no ASCII byte is ever swallowed.
char32_t ToUnicode(std::string_view text, std::size_t& i);

// No byte of the code page takes more than three of UTF-8.
inline constexpr std::size_t kMaxUtf8PerByte = 3;

// The text in UTF-8, appended to `out`; runs of ASCII are copied as they are.
void AppendUtf8(std::string& out, std::string_view cp932_text);
std::string ToUtf8(std::string_view cp932_text);
// The same written at `out`, which has room for kMaxUtf8PerByte bytes for each of the text's;
// returns the end of what was written. For writers that fill a buffer of their own.
char* PutUtf8(char* out, std::string_view cp932_text);

// ASCII bytes, each marked by its value.
using AsciiSet = std::array<bool, 0x80>;
// PutUtf8 up to the first character that is a byte of `stop` (the second byte of a pair never
// is one), for a writer that puts something else for those: `out` is moved past what was
// written, and how many bytes of the text were read is returned.
std::size_t PutUtf8Until(char*& out, std::string_view cp932_text, const AsciiSet& stop);

// One character in UTF-8 (1 to 4 bytes), appended to `out`.
void AppendCodePoint(std::string& out, char32_t c);

}  // namespace core::cp932
