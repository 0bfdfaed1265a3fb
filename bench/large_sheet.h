#pragma once
// A log sheet of realistic shape for the benchmarks: a date heading every fifty items with
// records under it, each record a ten-line note of about forty bytes a line.

#include <string>
#include <vector>

#include "core/outline_file.h"
#include "core/sheet_commit.h"
#include "core/sheet_files.h"

namespace bench {

inline constexpr int kLinesPerNote = 10;
inline constexpr int kRecordsPerHeading = 50;

// A line of about forty bytes, in the code page the sheet keeps.
inline std::string NoteLine(int item, int line) {
  return "記録 " + std::to_string(item) + " の " + std::to_string(line) + " 行目: 今日の作業とその結果";
}

// The three files of a sheet of `items` items, as a save writes them.
inline core::SheetBytes LargeSheet(int items) {
  core::OutlineTree tree;
  tree.Reserve(items);
  std::vector<std::string> lines;
  std::vector<core::NoteSpan> spans;
  for (int i = 1; i <= items; ++i) {
    tree.AppendAtLevel(i % kRecordsPerHeading == 1 ? 1 : 2, NoteLine(i, 0));
    spans.push_back({static_cast<int>(lines.size()), kLinesPerNote});
    for (int l = 0; l < kLinesPerNote; ++l) lines.push_back(NoteLine(i, l));
  }
  return {core::OutlineBytes(tree), core::TxtBytes(lines), core::BinBytes(spans)};
}

}  // namespace bench
