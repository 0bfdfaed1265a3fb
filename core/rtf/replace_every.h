#pragma once
// Replacing every occurrence of a text at once, as a find-and-replace run does it one occurrence
// after another: each occurrence is searched for behind the text put in for the one before, and
// the text put in takes the format of the first character it replaces.
//
// The editor's find matches the half-width Latin letters regardless of case and every other
// character only as it stands, and always whole characters. A text is searched in the units it
// is held in, CP932 bytes or UTF-16 units; formats lie over it as spans of those units.

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/rtf/rich_text.h"

namespace core::rtf {

constexpr char32_t Folded(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

struct Occurrences {
  std::vector<std::size_t> starts;  // in the text's units
  int last = -1;                    // the last one's position in characters
};

// Where `find` occurs in `text` at or after unit `from` (a character's start), each occurrence
// searched for behind the one before; `from` is character `from_position`. Nothing for an empty
// `find`.
Occurrences EveryOccurrence(std::string_view text, std::string_view find, std::size_t from, int from_position);
// In UTF-16, where each unit is a position.
template <class Unit>
Occurrences EveryOccurrence(std::basic_string_view<Unit> text, std::basic_string_view<Unit> find, std::size_t from) {
  Occurrences found;
  if (find.empty()) return found;
  for (std::size_t i = from; i + find.size() <= text.size();) {
    std::size_t k = 0;
    while (k < find.size() && Folded(text[i + k]) == Folded(find[k])) ++k;
    if (k < find.size()) {
      ++i;
      continue;
    }
    found.starts.push_back(i);
    found.last = static_cast<int>(i);
    i += find.size();
  }
  return found;
}

struct FormatSpan {
  CharFormat format;
  std::size_t length = 0;  // units
  bool operator==(const FormatSpan&) const = default;
};

// The formats of the text once each occurrence (of `find_length` units, at `starts`) has been
// replaced by `put_length` units in the format of the first character it replaces; equal
// neighbours are joined.
std::vector<FormatSpan> ReplacedSpans(const std::vector<FormatSpan>& spans, const std::vector<std::size_t>& starts,
                                      std::size_t find_length, std::size_t put_length);

}  // namespace core::rtf
