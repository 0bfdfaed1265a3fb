#include "core/sheet_set.h"

#include <utility>

#include "core/outline_file.h"
#include "core/sheet_files.h"

namespace core {

SheetContents ReadSheetSet(SheetDisk& disk, const std::string& base) {
  RecoverSheet(disk, base);
  SheetContents sheet;
  ReadOutline(sheet.tree, disk.Read(base + ".Pcr"));
  if (sheet.tree.Count() == 0) throw OutlineError(outline_message::kBadIndex);
  sheet.note_lines = ParseTxt(disk.Read(base + ".Txt"));
  std::vector<NoteSpan> spans =
      ParseBin(disk.Read(base + ".Bin"), sheet.tree.Count(), sheet.note_lines.size(), base + ".Bin");
  for (int i = 1; i <= sheet.tree.Count(); ++i) sheet.tree.ItemAt(i).Span = spans[i - 1];
  return sheet;
}

bool SheetSetExists(SheetDisk& disk, const std::string& base) {
  RecoverSheet(disk, base);
  return disk.Exists(base + ".Pcr") || disk.Exists(base + ".Txt") || disk.Exists(base + ".Bin");
}

void WriteSheetSet(SheetDisk& disk, const std::string& base, OutlineTree& tree, NoteStore& notes) {
  std::vector<NoteSpan> spans;
  spans.reserve(tree.Count());
  for (int i = 1; i <= tree.Count(); ++i) spans.push_back(tree.ItemAt(i).Span);
  notes.Compact(spans);
  for (int i = 1; i <= tree.Count(); ++i) tree.ItemAt(i).Span = spans[i - 1];

  SheetBytes bytes;
  bytes.pcr = OutlineBytes(tree);
  bytes.txt = TxtBytes(notes.NoteLines);
  bytes.bin = BinBytes(spans);
  CommitSheet(disk, base, bytes);
}

}  // namespace core
