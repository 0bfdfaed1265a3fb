#pragma once
// Searching the whole log sheet: every item's caption and note lines, in tree order, whether the
// item's parents are open or not, with the matching a Japanese user expects (ASCII letters in
// either case; full-width and half-width forms alike, half-width katakana with their voiced
// marks included). Matching is by whole characters of the code page: a hit never starts or ends
// inside a double-byte character. Nothing of the sheet is copied for searching.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/note_store.h"
#include "core/outline_tree.h"

namespace core {

struct SearchOptions {
  bool match_case = false;   // "大文字と小文字を区別する": off, ASCII letters match in either case
  bool match_width = true;   // off by "全角/半角を区別しない": full-width and half-width forms match
};

// The search text made ready for matching one line at a time. Where width is folded, a
// half-width katakana followed by the voiced or semi-voiced mark it takes ("ｶﾞ", "ﾊﾟ") is one
// character, the full-width one it stands for, so a hit neither starts nor ends between the two;
// "￥" is taken as the full-width '\\' (the code page shows that byte as the yen sign). Where
// case is folded, so are the full-width Latin letters among themselves.
class LineMatcher {
 public:
  LineMatcher(std::string_view text, SearchOptions options);
  bool Empty() const { return units_.empty(); }
  // The first hit in `line` that starts at or after `from`: its start, with its length in
  // `length`; npos if none. `known` is a character start at or before `from` (0 will do; a
  // later one saves walking back over a long run of double-byte characters).
  std::size_t Find(std::string_view line, std::size_t from, std::size_t known, std::size_t& length) const;

 private:
  struct Unit {
    std::uint16_t code;  // one byte, or a double-byte character as lead * 256 + trail
    std::uint8_t length;
  };
  Unit UnitAt(std::string_view text, std::size_t at) const;
  std::uint16_t Folded(std::uint16_t code) const;
  // Length of the hit that starts at the character start `at`; 0 if none does.
  std::size_t MatchAt(std::string_view line, std::size_t at) const;
  std::size_t FindBytes(std::string_view line, std::size_t from, std::size_t known, std::size_t& length) const;
  std::size_t FindFolded(std::string_view line, std::size_t from, std::size_t known, std::size_t& length) const;
  std::size_t NextKey(const unsigned char* p, std::size_t at, std::size_t n) const;

  bool fold_case_;
  bool fold_width_;
  std::string bytes_;                 // the text as given
  std::vector<std::uint16_t> units_;  // its characters, folded
  // Each of its characters matches only itself: a byte search finds it.
  bool plain_ = false;
  std::array<std::uint32_t, 256> skip_{};  // for the byte search: how far a byte of the line lets the text move
  // Its first character is a sound mark, which may belong to the character before.
  bool starts_with_mark_ = false;
  // For each byte value, where a form of the first character holding it starts: bit 0 at that
  // byte, bit 1 one byte before it.
  std::array<std::uint8_t, 256> key_{};
  std::vector<std::uint64_t> key_words_;  // each key byte in every byte of a word
};

// A place in the sheet: an item (1-based index), a line in it and a byte offset in that line.
// Line 0 is the item's caption, searched only where it is not the note's first line (an item's
// caption is normally its note's first line, which is searched as line 1); lines 1.. are the
// note's lines. Places are ordered by item, then line, then offset.
struct SheetPlace {
  int item = 1;
  int line = 0;
  std::size_t offset = 0;
  friend auto operator<=>(const SheetPlace&, const SheetPlace&) = default;
};

struct SheetHit {
  SheetPlace at;           // where the hit starts
  std::size_t length = 0;  // in bytes of that line
  friend bool operator==(const SheetHit&, const SheetHit&) = default;
};

class SheetSearch {
 public:
  // An empty `text` finds nothing. The tree and the store must outlive the search and stay as
  // they are while it is used.
  SheetSearch(const OutlineTree& tree, const NoteStore& notes, std::string_view text, SearchOptions options);

  // The note of `item` as it stands in the note pane, searched instead of its stored lines.
  void SetEditedNote(int item, std::vector<std::string> lines);

  struct Found {
    SheetHit hit;
    bool wrapped = false;  // the hit lies before `from` (forward) or at or after it (backward)
  };
  // Forward: the first hit that starts at or after `from`, else, wrapping, the first from the
  // sheet's start. Backward: the last hit that starts before `from`, else, wrapping, the last of
  // the sheet. Nothing when the sheet holds no hit at all.
  std::optional<Found> Next(SheetPlace from, bool forward) const;

  // Every hit in tree order; the first `limit` are returned, and `total` counts them all. The
  // hits of one line are taken one after another, each from where the one before it ends.
  std::vector<SheetHit> All(std::size_t limit, std::size_t& total) const;

  // The text of a line of the sheet as the search sees it (the edited note included).
  std::string_view LineText(int item, int line) const;

 private:
  // Where the search finds an item's lines: its edited note, or its stored span.
  struct ItemLines {
    const std::vector<std::string>* edited = nullptr;
    std::int32_t start = 0;
    std::int32_t count = 0;
    bool caption = false;  // line 0 is searched
  };
  ItemLines LinesOf(int item) const;
  std::string_view LineOf(int item, const ItemLines& lines, int line) const;
  std::optional<SheetHit> FirstIn(int item, const ItemLines& lines, int line, std::size_t from) const;
  std::optional<SheetHit> LastIn(int item, const ItemLines& lines, int line, std::size_t before) const;
  std::optional<SheetHit> Forward(SheetPlace from, SheetPlace stop) const;
  std::optional<SheetHit> Backward(SheetPlace before, SheetPlace stop) const;

  const OutlineTree& tree_;
  const NoteStore& notes_;
  LineMatcher matcher_;
  std::vector<std::pair<int, std::vector<std::string>>> edited_;  // by item, rising
};

}  // namespace core
