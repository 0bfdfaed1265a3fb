#pragma once
// The notes of the log sheet's items: every stored note line in one list, NoteLines, and, in
// each item, a NoteSpan saying where its note lies in that list. Storing appends; compaction
// drops what no span points at any more.

#include <span>
#include <string>
#include <vector>

#include "core/note_span.h"

namespace core {

// The lines a note can keep in <base>.Txt, where CR and LF end a line and NUL ends the text:
// a pane line holding line ends becomes several lines, and NULs are dropped.
std::vector<std::string> StorableLines(std::vector<std::string> lines);

// The item text a note gives: its first line, without the outline file's end mark (0x1A), cut
// on a character boundary to what one line of the outline file holds at any depth.
std::string ItemTextOf(const std::vector<std::string>& lines);

class NoteStore {
 public:
  std::vector<std::string> NoteLines;

  // Appends the lines and points the span at them; the older copy stays behind until Compact.
  void Store(NoteSpan& span, const std::vector<std::string>& lines);
  std::vector<std::string> NoteOf(const NoteSpan& span) const;
  // Rebuilds NoteLines in the order of the given spans and moves each span to where its lines
  // now lie: end to end from 0.
  void Compact(std::span<NoteSpan> in_item_order);
};

}  // namespace core
