#include "core/note_store.h"

#include <algorithm>

#include "core/cp932.h"

namespace core {

namespace {
constexpr char kEndMark = '\x1A';
// 4096-byte outline lines, less 255 TABs, the escape byte and CR LF, with room to spare.
constexpr std::size_t kMaxItemText = 2048;
}  // namespace

std::vector<std::string> StorableLines(std::vector<std::string> lines) {
  bool clean = std::none_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
  });
  if (clean) return lines;
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    std::string piece;
    for (std::size_t i = 0; i < line.size(); ++i) {
      char c = line[i];
      if (c == '\0') continue;
      if (c == '\r' || c == '\n') {
        out.push_back(std::move(piece));
        piece.clear();
        if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
        continue;
      }
      piece += c;
    }
    out.push_back(std::move(piece));
  }
  return out;
}

std::string ItemTextOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return {};
  std::string text;
  const std::string& first = lines.front();
  for (std::size_t i = 0; i < first.size();) {
    std::size_t n = cp932::CharLength(first, i);
    if (text.size() + n > kMaxItemText) break;
    if (!(n == 1 && first[i] == kEndMark)) text.append(first, i, n);
    i += n;
  }
  return text;
}

void NoteStore::Store(NoteSpan& span, const std::vector<std::string>& lines) {
  span.StartLine = static_cast<std::int32_t>(NoteLines.size());
  span.LineCount = static_cast<std::int32_t>(lines.size());
  NoteLines.insert(NoteLines.end(), lines.begin(), lines.end());
}

std::vector<std::string> NoteStore::NoteOf(const NoteSpan& span) const {
  auto begin = std::min<std::size_t>(std::max(span.StartLine, 0), NoteLines.size());
  auto end = std::min<std::size_t>(begin + std::max(span.LineCount, 0), NoteLines.size());
  return {NoteLines.begin() + begin, NoteLines.begin() + end};
}

void NoteStore::Compact(std::span<NoteSpan> in_item_order) {
  std::vector<std::string> compacted;
  std::size_t total = 0;
  for (const NoteSpan& s : in_item_order) total += s.LineCount;
  compacted.reserve(total);
  for (NoteSpan& s : in_item_order) {
    auto begin = NoteLines.begin() + s.StartLine;
    s.StartLine = static_cast<std::int32_t>(compacted.size());
    std::move(begin, begin + s.LineCount, std::back_inserter(compacted));
  }
  NoteLines = std::move(compacted);
}

}  // namespace core
