#include "core/sheet_set.h"

#include <utility>

#include "core/outline_file.h"
#include "core/sheet_files.h"

namespace core {

namespace {
constexpr std::size_t kReadPiece = 1 << 20;
}  // namespace

SheetContents ReadSheetSet(SheetDisk& disk, const std::string& base) {
  RecoverSheet(disk, base);
  SheetContents sheet;
  ReadOutline(sheet.tree, [&](const ByteSink& sink) { disk.ReadPieces(base + ".Pcr", kReadPiece, sink); });
  if (sheet.tree.Count() == 0) throw OutlineError(outline_message::kBadIndex);
  NoteStore::TxtReader lines(sheet.notes);
  disk.ReadPieces(base + ".Txt", kReadPiece, [&lines](std::string_view piece) { lines.Take(piece); });
  lines.Finish();
  std::vector<NoteSpan> spans =
      ParseBin(disk.Read(base + ".Bin"), sheet.tree.Count(), sheet.notes.LineCount(), base + ".Bin");
  for (int i = 1; i <= sheet.tree.Count(); ++i) sheet.tree.ItemAt(i).Span = spans[i - 1];
  return sheet;
}

bool SheetSetExists(SheetDisk& disk, const std::string& base) {
  RecoverSheet(disk, base);
  return disk.Exists(base + ".Pcr") || disk.Exists(base + ".Txt") || disk.Exists(base + ".Bin");
}

void WriteSheetSet(SheetDisk& disk, const std::string& base, OutlineTree& tree, NoteStore& notes) {
  SheetSources sources;
  sources.pcr = OutlineSource(tree);  // refused here, before the disk is touched
  std::vector<NoteSpan> spans;
  spans.reserve(tree.Count());
  for (int i = 1; i <= tree.Count(); ++i) spans.push_back(tree.ItemAt(i).Span);
  notes.Compact(spans);
  for (int i = 1; i <= tree.Count(); ++i) tree.ItemAt(i).Span = spans[i - 1];

  const std::string bin = BinBytes(spans);
  sources.txt = notes.TxtSource();
  sources.bin = WholeBytes(bin);
  CommitSheet(disk, base, sources);
}

}  // namespace core
