#pragma once
// The notes of the log sheet's items: every stored note line in one numbered list, and, in each
// item, a NoteSpan saying where its note lies in that list. The lines read from <base>.Txt stay
// the bytes they were read as, in the pieces they were read in, each line a span of them; a
// stored note is a piece of its own. Storing appends; compaction renumbers the lines and drops
// the pieces no span points into any more, copying no line.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_pieces.h"
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
  std::size_t LineCount() const { return lines_.size(); }
  std::string_view Line(std::size_t index) const;
  // Every line, copied: for checks and tools, not for the sheet's own work.
  std::vector<std::string> Lines() const;

  // Appends the lines and points the span at them; the older copy stays behind until Compact.
  void Store(NoteSpan& span, const std::vector<std::string>& lines);
  std::vector<std::string> NoteOf(const NoteSpan& span) const;
  // Renumbers the lines in the order of the given spans and moves each span to where its lines
  // now lie: end to end from 0.
  void Compact(std::span<NoteSpan> in_item_order);
  void Clear();

  // The bytes of <base>.Txt, every line followed by CR LF, handed on in blocks when the source
  // is called; the store must stay as it is until then.
  ByteSource TxtSource() const;

  // Adds the lines of <base>.Txt's bytes, handed in pieces of any size, behind the store's: a
  // line ends at CR LF, a lone CR or a lone LF (also where a piece ends between CR and LF), and
  // a NUL byte ends the text. Each piece read is kept as it is, the incomplete line at its end
  // moved to the next one.
  class TxtReader {
   public:
    explicit TxtReader(NoteStore& store) : store_(store) {}
    void Take(std::string_view piece);
    // The last line, when the bytes end without a line end.
    void Finish();

   private:
    NoteStore& store_;
    std::string carry_;  // the start of a line that the next piece ends
    bool skip_lf_ = false;
    bool ended_ = false;
  };

 private:
  // A line is where it starts in the pieces laid end to end, and its length: eight bytes for a
  // line, however many pieces there are.
  struct LineRef {
    std::uint32_t start;
    std::uint32_t size;
  };
  // Where the next piece will start; refuses, as running out of memory, pieces beyond 4 GB.
  std::uint32_t NextStart(std::size_t piece_size) const;
  void AddPiece(std::string bytes);
  std::size_t PieceOf(std::uint32_t start) const;

  std::vector<std::string> pieces_;
  std::vector<std::uint32_t> piece_starts_;  // of each piece, rising
  std::uint32_t end_ = 0;                    // where the pieces end
  std::vector<LineRef> lines_;
};

}  // namespace core
