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

}  // namespace ui
