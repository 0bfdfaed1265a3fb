#pragma once
// The notes of the log sheet's items: every stored note line in one list, NoteLines, and one
// NoteSpan per item saying where its note lies in that list. Storing appends; compaction drops
// what no span points at any more.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace core {

struct NoteSpan {
  std::int32_t StartLine = 0;
  std::int32_t LineCount = 0;
  friend bool operator==(const NoteSpan&, const NoteSpan&) = default;
};

// The lines a note can keep in <base>.Txt, where CR and LF end a line and NUL ends the text:
// a pane line holding line ends becomes several lines, and NULs are dropped.
std::vector<std::string> StorableLines(std::vector<std::string> lines);

// The item text a note gives: its first line, without the outline file's end mark (0x1A), cut
// on a character boundary to what one line of the outline file holds at any depth.
std::string ItemTextOf(const std::vector<std::string>& lines);

class NoteStore {
 public:
  std::vector<std::string> NoteLines;

  // A span owned by the store: empty, starting behind the last line, as AttachSpan makes it.
  NoteSpan* NewSpan();
  NoteSpan* Adopt(NoteSpan span);
  void Release(NoteSpan* span);
  void ReleaseAll();
  int SpanCount() const { return static_cast<int>(spans_.size()); }

  // Appends the lines and points the span at them; the older copy stays behind until Compact.
  void Store(NoteSpan& span, const std::vector<std::string>& lines);
  std::vector<std::string> NoteOf(const NoteSpan& span) const;
  // Rebuilds NoteLines in the order of the given spans, which then lie end to end from 0.
  void Compact(const std::vector<NoteSpan*>& in_item_order);

 private:
  std::unordered_map<const NoteSpan*, std::unique_ptr<NoteSpan>> spans_;
};

}  // namespace core
