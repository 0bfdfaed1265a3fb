#pragma once
// Writes the three files of a sheet as one step: each goes to a temporary file beside its
// target, a marker naming the temporaries commits them, and the renames that follow can be
// finished by the next load. A failure or a crash at any point leaves the old set or the new
// set whole, never a mix of the two.

#include <functional>
#include <string>

namespace core {

struct SheetBytes {
  std::function<void(const std::string& path)> write_pcr;  // the outline file, at the given path
  std::string txt;
  std::string bin;
};

// `base` has no extension; the files are base + ".Pcr", ".Txt", ".Bin".
void CommitSheet(const std::string& base, const SheetBytes& bytes);
// Finishes a committed save that was cut short, or discards one that never committed.
void RecoverSheet(const std::string& base);

}  // namespace core
