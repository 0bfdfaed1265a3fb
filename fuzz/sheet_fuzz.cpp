// The sheet's whole read (recovery, .Pcr, .Txt, .Bin) on the three files cut from one input at
// the marks below, on a disk in memory. A set that cannot be read is refused with a message;
// a set that is read has every note within the lines read, and writes back to a set that reads
// the same again.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/memory_disk.h"
#include "core/outline_file.h"
#include "core/sheet_set.h"

namespace {

constexpr std::string_view kTxtMark = "\n==Txt==\n";
constexpr std::string_view kBinMark = "\n==Bin==\n";
constexpr char kBase[] = "C:\\notes\\sheet";
constexpr char kAgain[] = "C:\\notes\\again";

// The part of `input` before `mark`, and the rest after it; all of it when there is no mark.
std::string_view Cut(std::string_view& input, std::string_view mark) {
  std::size_t at = input.find(mark);
  std::string_view part = input.substr(0, at);
  input = at == std::string_view::npos ? std::string_view() : input.substr(at + mark.size());
  return part;
}

bool SameSheet(const core::SheetContents& a, const core::SheetContents& b) {
  if (a.tree.Count() != b.tree.Count()) return false;
  for (int i = 1; i <= a.tree.Count(); ++i) {
    const core::OutlineItem &p = a.tree.ItemAt(i), &q = b.tree.ItemAt(i);
    if (p.Level() != q.Level() || p.ItemText() != q.ItemText() || a.notes.NoteOf(p.Span) != b.notes.NoteOf(q.Span))
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  core::MemoryDisk disk;
  // The notes are read in pieces as small as one byte, so that every line end falls between two.
  disk.largest_piece = size == 0 ? 1 : 1 + data[size - 1] % 5;
  const std::string base = kBase;
  disk.files[base + ".Pcr"] = Cut(input, kTxtMark);
  disk.files[base + ".Txt"] = Cut(input, kBinMark);
  disk.files[base + ".Bin"] = input;

  core::SheetContents read;
  try {
    read = core::ReadSheetSet(disk, base);
  } catch (const core::Error& e) {
    if (std::string_view(e.what()).empty()) std::abort();
    return 0;
  }
  if (read.tree.Count() == 0 || read.tree.Selected() < 1) std::abort();
  for (int i = 1; i <= read.tree.Count(); ++i) {
    const core::NoteSpan& span = read.tree.ItemAt(i).Span;
    if (span.StartLine < 0 || span.LineCount < 0 ||
        static_cast<std::size_t>(span.StartLine) + span.LineCount > read.notes.LineCount()) {
      std::abort();
    }
  }
  // Written as the program saves it, the set reads back the same.
  core::SheetContents copy = read;
  try {
    core::WriteSheetSet(disk, kAgain, copy.tree, copy.notes);
  } catch (const core::OutlineError&) {
    return 0;  // an item text the outline file cannot hold is refused before anything is written
  }
  if (!SameSheet(core::ReadSheetSet(disk, kAgain), read)) std::abort();
  return 0;
}
