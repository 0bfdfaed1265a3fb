// Runs inside Wine beside the program under test and reads a log sheet's three files with the
// program's own readers:
//   readsheet BASE      prints each item of BASE.Pcr, BASE.Txt and BASE.Bin, a TAB per level
//                       below the top, and under it each line of its note after "| "; a set the
//                       program would refuse prints the reason and exits 1

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/error.h"
#include "core/note_store.h"
#include "core/outline_file.h"
#include "core/sheet_files.h"

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw core::Error(path + " cannot be read");
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: readsheet BASE\n");
    return 2;
  }
  const std::string base = argv[1];
  try {
    core::OutlineTree tree;
    core::ReadOutline(tree, Bytes(base + ".Pcr"));
    core::NoteStore notes;
    core::NoteStore::TxtReader lines(notes);
    lines.Take(Bytes(base + ".Txt"));
    lines.Finish();
    auto spans = core::ParseBin(Bytes(base + ".Bin"), tree.Count(), notes.LineCount(), base + ".Bin");
    for (int i = 1; i <= tree.Count(); ++i) {
      const std::string indent(tree.ItemAt(i).Level() - 1, '\t');
      std::printf("%s%s\n", indent.c_str(), std::string(tree.ItemAt(i).ItemText()).c_str());
      for (const std::string& line : notes.NoteOf(spans[i - 1])) std::printf("%s| %s\n", indent.c_str(), line.c_str());
    }
  } catch (const std::exception& e) {
    std::printf("%s\n", e.what());
    return 1;
  }
  return 0;
}
