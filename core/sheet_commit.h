#pragma once
// Writes the three files of a sheet as one step: each goes to a temporary file beside its
// target, a marker naming the temporaries commits them, and the renames that follow can be
// finished by the next load. A failure or a crash at any point leaves the old set or the new
// set whole, never a mix of the two.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/byte_pieces.h"

namespace core {

// The file steps a commit takes, as the program's file layer does them: each one has reached
// the disk when it returns, and a failure throws.
class SheetDisk {
 public:
  virtual ~SheetDisk() = default;
  virtual bool Exists(const std::string& path) = 0;
  virtual std::string Read(const std::string& path) = 0;
  // Hands the file's bytes to `take` in pieces of at most `piece` bytes, in order, never holding
  // the whole file. By default the file is read whole and handed on in slices.
  virtual void ReadPieces(const std::string& path, std::size_t piece, const ByteSink& take);
  // Creates or truncates the file, writes all bytes and flushes them.
  virtual void WriteFlushed(const std::string& path, std::string_view bytes) = 0;
  // As WriteFlushed, for bytes that `source` hands on piece by piece. By default they are gathered and
  // written whole.
  virtual void WritePieces(const std::string& path, const ByteSource& source);
  // Replaces `to` in one step where it exists.
  virtual void RenameReplacing(const std::string& from, const std::string& to) = 0;
  // A file that does not exist is no failure.
  virtual void Remove(const std::string& path) = 0;
};

// What goes into <base>.Pcr, <base>.Txt and <base>.Bin.
struct SheetSources {
  ByteSource pcr;
  ByteSource txt;
  ByteSource bin;
};

// `base` has no extension; the files are base + ".Pcr", ".Txt", ".Bin".
void CommitSheet(SheetDisk& disk, const std::string& base, const SheetSources& sources);
// Finishes a committed save that was cut short, or discards one that never committed.
void RecoverSheet(SheetDisk& disk, const std::string& base);

}  // namespace core
