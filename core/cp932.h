#pragma once
// Shift-JIS (CP932) byte strings: the one text encoding of the program and its files.

#include <cstddef>
#include <string>
#include <string_view>

namespace core::cp932 {

// A lead byte starts a double-byte character; its second byte may be any of 0x40..0xFC,
// among them '\\' (0x5C), '{' (0x7B) and '}' (0x7D).
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character that starts at text[i] (1 or 2; 1 for a lead byte at the end).
inline std::size_t CharLength(std::string_view text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Position of the last occurrence of any byte of `set` that is a character of its own,
// never the second byte of a double-byte character; npos if none.
std::size_t FindLastChar(std::string_view text, std::string_view set);

// The directory part of a path, cut before its last "\\" (or ':'), without a trailing separator.
std::string ExtractFileDir(std::string_view path);

// The path with its extension (from the last '.' of its file name part) replaced by `ext`;
// a name without an extension gets `ext` appended.
std::string ChangeFileExt(std::string_view path, std::string_view ext);

}  // namespace core::cp932
