#include "ui/headless/disk.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <system_error>

#include "core/cp932.h"
#include "ui/file.h"
#include "ui/headless/world.h"

namespace ui::headless {

std::filesystem::path HostPath(std::string_view windows_path) {
  // Without a desktop a path would land in the current folder of the host, wherever that is.
  if (TheWorld().disk_root.empty()) Fault("no desktop's disk for " + std::string(windows_path));
  std::string drive = "C", rest(windows_path);
  if (rest.size() >= 2 && rest[1] == ':') {
    drive = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))));
    rest = rest.substr(2);
  }
  // Separators become the host's, stepping over double-byte characters whose second byte is '\\'.
  std::string host;
  for (std::size_t i = 0; i < rest.size();) {
    std::size_t n = core::cp932::CharLength(rest, i);
    if (n == 1 && rest[i] == '\\')
      host += '/';
    else
      host.append(rest, i, n);
    i += n;
  }
  while (!host.empty() && host.front() == '/') host.erase(0, 1);
  return std::filesystem::path(TheWorld().disk_root) / drive / host;
}

void SetFileFault(std::function<void(FileStep, std::string_view)> hook);

}  // namespace ui::headless

namespace ui {

bool FileExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(headless::HostPath(path), ec);
}

namespace {
std::function<void(headless::FileStep, std::string_view)> file_fault;

// A file of the host opened for writing from its start, written through its descriptor.
class HostFile {
 public:
  explicit HostFile(const std::filesystem::path& path)
      : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}
  ~HostFile() { Close(); }
  HostFile(const HostFile&) = delete;
  HostFile& operator=(const HostFile&) = delete;
  bool ok() const { return fd_ >= 0; }
  bool Write(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  bool Sync() { return !headless::TheWorld().durable_disk || ::fsync(fd_) == 0; }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// A rename is on the device once the folder holding the name is.
bool SyncFolderOf(const std::filesystem::path& path) {
  if (!headless::TheWorld().durable_disk) return true;
  int fd = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

void Step(headless::FileStep step, std::string_view path) {
  if (file_fault) file_fault(step, path);
}
}  // namespace

std::string ReadFileBytes(std::string_view path) {
  std::string bytes;
  std::error_code ec;
  const auto size = std::filesystem::file_size(headless::HostPath(path), ec);
  if (!ec) bytes.reserve(size);
  ReadFilePieces(path, 1 << 20, [&bytes](std::string_view piece) { bytes += piece; });
  return bytes;
}

void ReadFilePieces(std::string_view path, std::size_t piece, const core::ByteSink& take) {
  Step(headless::FileStep::Read, path);
  // As on the platform, a folder is no file to read.
  std::ifstream in(headless::HostPath(path), std::ios::binary);
  if (!in || std::filesystem::is_directory(headless::HostPath(path)))
    throw FileError("ファイル " + std::string(path) + " を開けません");
  std::string block(piece, '\0');
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    if (in.bad()) throw FileError("ファイル " + std::string(path) + " を読み込めません");
    if (in.gcount() > 0) take(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
  }
}

// Until the flush, any part of the bytes may be on the disk: a file of one piece has half of it
// written at the flush step, and a failure there leaves that half. Once a second piece comes,
// every piece goes out as it comes, and the flush step follows the last.
void WriteFileFlushed(std::string_view path, const core::ByteSource& source) {
  Step(headless::FileStep::Write, path);
  HostFile out(headless::HostPath(path));
  if (!out.ok()) throw FileError("ファイル " + std::string(path) + " を作成できません");
  auto fail = [&] { throw FileError("ファイル " + std::string(path) + " に書き込めません"); };
  std::string first;
  int pieces = 0;
  source([&](std::string_view bytes) {
    if (++pieces == 1) {
      first.assign(bytes);
      return;
    }
    if ((pieces == 2 && !out.Write(first)) || !out.Write(bytes)) fail();
  });
  std::string_view held = pieces == 1 ? std::string_view(first) : std::string_view();
  bool written = out.Write(held.substr(0, held.size() / 2));
  Step(headless::FileStep::Flush, path);
  if (!written || !out.Write(held.substr(held.size() / 2)) || !out.Sync()) fail();
}

void WriteFileFlushed(std::string_view path, std::string_view bytes) {
  WriteFileFlushed(path, core::WholeBytes(bytes));
}

void RenameReplacing(std::string_view from, std::string_view to) {
  Step(headless::FileStep::Rename, to);
  std::error_code ec;
  std::filesystem::rename(headless::HostPath(from), headless::HostPath(to), ec);
  if (ec || !SyncFolderOf(headless::HostPath(to)))
    throw FileError("ファイル " + std::string(to) + " を置き換えられません");
}

void RemoveFile(std::string_view path) {
  Step(headless::FileStep::Remove, path);
  std::error_code ec;
  std::filesystem::remove(headless::HostPath(path), ec);
  if (ec) throw FileError("ファイル " + std::string(path) + " を削除できません");
}

// The fault hook sees the steps of the temporary file under the target's name: a failure part-way
// leaves the temporary file half written, and it is removed.
void ReplaceFileBytes(std::string_view path, std::string_view bytes) {
  auto target = headless::HostPath(path);
  auto temp = target;
  temp += ".new";
  auto drop_temp = [&] {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
  };
  Step(headless::FileStep::Write, path);
  {
    HostFile out(temp);
    if (!out.ok()) throw FileError("ファイル " + std::string(path) + " を作成できません");
    std::size_t half = bytes.size() / 2;
    bool written = out.Write(bytes.substr(0, half));
    try {
      Step(headless::FileStep::Flush, path);
    } catch (...) {
      out.Close();
      drop_temp();
      throw;
    }
    if (!written || !out.Write(bytes.substr(half)) || !out.Sync()) {
      out.Close();
      drop_temp();
      throw FileError("ファイル " + std::string(path) + " に書き込めません");
    }
  }
  try {
    Step(headless::FileStep::Rename, path);
  } catch (...) {
    drop_temp();
    throw;
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    drop_temp();
    throw FileError("ファイル " + std::string(path) + " を置き換えられません");
  }
  if (!SyncFolderOf(target)) throw FileError("ファイル " + std::string(path) + " を置き換えられません");
}

}  // namespace ui

namespace ui::headless {
void SetFileFault(std::function<void(FileStep, std::string_view)> hook) { file_fault = std::move(hook); }
void SetDurableDisk(bool on) { TheWorld().durable_disk = on; }
}  // namespace ui::headless
