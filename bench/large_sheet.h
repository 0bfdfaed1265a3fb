#pragma once
// A log sheet of realistic shape for the benchmarks: a date heading every fifty items with
// records under it, each record a ten-line note of about forty bytes a line.

#include <string>
#include <vector>

#include "core/note_store.h"
#include "core/outline_file.h"
#include "core/sheet_files.h"

namespace bench {

inline constexpr int kLinesPerNote = 10;
inline constexpr int kRecordsPerHeading = 50;

// A line of about forty bytes, in the code page the sheet keeps.
inline std::string NoteLine(int item, int line) {
  return "記録 " + std::to_string(item) + " の " + std::to_string(line) + " 行目: 今日の作業とその結果";
}

// The bytes of <base>.Pcr, <base>.Txt and <base>.Bin.
struct SheetBytes {
  std::string pcr;
  std::string txt;
  std::string bin;
};

// The three files of a sheet of `items` items, as a save writes them.
inline SheetBytes LargeSheet(int items) {
  core::OutlineTree tree;
  tree.Reserve(items);
  core::NoteStore notes;
  std::vector<core::NoteSpan> spans(items);
  std::vector<std::string> note(kLinesPerNote);
  for (int i = 1; i <= items; ++i) {
    tree.AppendAtLevel(i % kRecordsPerHeading == 1 ? 1 : 2, NoteLine(i, 0));
    for (int l = 0; l < kLinesPerNote; ++l) note[l] = NoteLine(i, l);
    notes.Store(spans[i - 1], note);
  }
  return {core::OutlineBytes(tree), core::Gathered(notes.TxtSource()), core::BinBytes(spans)};
}

}  // namespace bench
