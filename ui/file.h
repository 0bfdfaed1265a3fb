#pragma once
// Whole files by path, as the program's own files need them. Paths are the platform's
// (Shift-JIS, "\\" separators); failures are ui::FileError with the system's message.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/byte_pieces.h"
#include "ui/exception.h"

namespace ui {

class FileError : public Exception {
 public:
  using Exception::Exception;
};

bool FileExists(std::string_view path);
std::string ReadFileBytes(std::string_view path);
// Hands the file's bytes to `take` in pieces of at most `piece` bytes, in order: a file of any
// size is read through one block of that size.
void ReadFilePieces(std::string_view path, std::size_t piece, const core::ByteSink& take);
// The file is replaced only once the new content is completely written and flushed, so that a
// failure part-way leaves the old file as it was.
void ReplaceFileBytes(std::string_view path, std::string_view bytes);

// The steps of a save that must reach the disk in order; each one is done when it returns.
// Creates or truncates the file, writes all bytes and flushes them to the disk.
void WriteFileFlushed(std::string_view path, std::string_view bytes);
// The same for bytes that `source` hands on piece by piece.
void WriteFileFlushed(std::string_view path, const core::ByteSource& source);
// Renames `from` to `to`, replacing `to` in one step where it exists.
void RenameReplacing(std::string_view from, std::string_view to);
// Removes the file; one that does not exist is no failure.
void RemoveFile(std::string_view path);

}  // namespace ui
