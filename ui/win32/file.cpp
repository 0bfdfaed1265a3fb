#include "ui/file.h"

#include "ui/win32/native.h"

namespace ui {

namespace {

// The system's own words for the last failure, in the user's language.
[[noreturn]] void Fail(std::string_view path, DWORD code) {
  char text[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  std::string message(text, n);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  if (message.empty()) message = "エラー " + std::to_string(code);
  throw FileError(std::string(path) + ": " + message);
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

}  // namespace

bool FileExists(std::string_view path) {
  DWORD a = GetFileAttributesA(std::string(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(std::string_view path) {
  std::string bytes;
  ReadFilePieces(path, 65536, [&bytes](std::string_view piece) { bytes += piece; });
  return bytes;
}

void ReadFilePieces(std::string_view path, std::size_t piece, const core::ByteSink& take) {
  Handle file(CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) Fail(path, GetLastError());
  std::string block(piece, '\0');
  DWORD got = 0;
  while (true) {
    if (!ReadFile(file.get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr))
      Fail(path, GetLastError());
    if (got == 0) break;
    take(std::string_view(block.data(), got));
  }
}

void ReplaceFileBytes(std::string_view path, std::string_view bytes) {
  std::string target(path), temp = target + ".new";
  DWORD code = ERROR_SUCCESS;
  {
    Handle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) Fail(path, GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      code = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    }
  }
  if (code != ERROR_SUCCESS) {
    DeleteFileA(temp.c_str());
    Fail(path, code);
  }
  if (!MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD code = GetLastError();
    DeleteFileA(temp.c_str());
    Fail(path, code);
  }
}

void WriteFileFlushed(std::string_view path, std::string_view bytes) {
  WriteFileFlushed(path, core::WholeBytes(bytes));
}

void WriteFileFlushed(std::string_view path, const core::ByteSource& source) {
  Handle file(
      CreateFileA(std::string(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) Fail(path, GetLastError());
  source([&](std::string_view bytes) {
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
      Fail(path, GetLastError() ? GetLastError() : ERROR_WRITE_FAULT);
    }
  });
  if (!FlushFileBuffers(file.get())) Fail(path, GetLastError() ? GetLastError() : ERROR_WRITE_FAULT);
}

// Wine's ReplaceFile leaves the target missing for a moment; MoveFileEx replaces in one step.
void RenameReplacing(std::string_view from, std::string_view to) {
  if (!MoveFileExA(std::string(from).c_str(), std::string(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail(to, GetLastError());
  }
}

void RemoveFile(std::string_view path) {
  if (!DeleteFileA(std::string(path).c_str())) {
    DWORD code = GetLastError();
    if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) Fail(path, code);
  }
}

}  // namespace ui
