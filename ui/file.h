#pragma once
// Whole files by path, as the program's own files need them. Paths are the platform's
// (Shift-JIS, "\\" separators); failures are ui::FileError with the system's message.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "ui/exception.h"

namespace ui {

class FileError : public Exception {
 public:
  using Exception::Exception;
};

// Takes the next piece of a file's bytes; the bytes are valid only during the call.
using FilePieceSink = std::function<void(std::string_view)>;

bool FileExists(std::string_view path);
std::string ReadFileBytes(std::string_view path);
// Hands the file's bytes to `take` in pieces of at most `piece` bytes, in order: a file of any
// size is read through one block of that size.
void ReadFilePieces(std::string_view path, std::size_t piece, const FilePieceSink& take);
// The file is replaced only once the new content is completely written and flushed, so that a
// failure part-way leaves the old file as it was.
void ReplaceFileBytes(std::string_view path, std::string_view bytes);

// The steps of a save that must reach the disk in order; each one is done when it returns.
// Creates or truncates the file, writes all bytes and flushes them to the disk.
void WriteFileFlushed(std::string_view path, std::string_view bytes);
// The same for bytes that `write` hands to its sink piece by piece.
void WriteFileFlushed(std::string_view path, const std::function<void(const FilePieceSink&)>& write);
// Renames `from` to `to`, replacing `to` in one step where it exists.
void RenameReplacing(std::string_view from, std::string_view to);
// Removes the file; one that does not exist is no failure.
void RemoveFile(std::string_view path);

}  // namespace ui
