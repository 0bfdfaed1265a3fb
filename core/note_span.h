#pragma once
// Where an item's note lies in the sheet's note lines: LineCount lines from StartLine. It is
// what <base>.Bin records for each item.

#include <cstdint>

namespace core {

struct NoteSpan {
  std::int32_t StartLine = 0;
  std::int32_t LineCount = 0;
  friend bool operator==(const NoteSpan&, const NoteSpan&) = default;
};

}  // namespace core
