#pragma once
// Whole files by path, as the program's own files need them. Paths are the platform's
// (Shift-JIS, "\\" separators); failures are ui::FileError with the system's message.

#include <string>
#include <string_view>

#include "ui/exception.h"

namespace ui {

class FileError : public Exception {
 public:
  using Exception::Exception;
};

bool FileExists(std::string_view path);
std::string ReadFileBytes(std::string_view path);
// The file is replaced only once the new content is completely written and flushed, so that a
// failure part-way leaves the old file as it was.
void ReplaceFileBytes(std::string_view path, std::string_view bytes);

// The steps of a save that must reach the disk in order; each one is done when it returns.
// Creates or truncates the file, writes all bytes and flushes them to the disk.
void WriteFileFlushed(std::string_view path, std::string_view bytes);
// Renames `from` to `to`, replacing `to` in one step where it exists.
void RenameReplacing(std::string_view from, std::string_view to);
// Removes the file; one that does not exist is no failure.
void RemoveFile(std::string_view path);

}  // namespace ui
