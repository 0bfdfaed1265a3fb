#include "ui/headless/disk.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/cp932.h"
#include "ui/file.h"
#include "ui/headless/world.h"

namespace ui::headless {

std::filesystem::path HostPath(std::string_view windows_path) {
  std::string drive = "C", rest(windows_path);
  if (rest.size() >= 2 && rest[1] == ':') {
    drive = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))));
    rest = rest.substr(2);
  }
  // Separators become the host's, stepping over double-byte characters whose second byte is '\\'.
  std::string host;
  for (std::size_t i = 0; i < rest.size();) {
    std::size_t n = core::cp932::CharLength(rest, i);
    if (n == 1 && rest[i] == '\\') host += '/';
    else host.append(rest, i, n);
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
void Step(headless::FileStep step, std::string_view path) {
  if (file_fault) file_fault(step, path);
}
}  // namespace

std::string ReadFileBytes(std::string_view path) {
  Step(headless::FileStep::Read, path);
  // As on the platform, a folder is no file to read.
  std::ifstream in(headless::HostPath(path), std::ios::binary);
  if (!in || std::filesystem::is_directory(headless::HostPath(path))) throw FileError("ファイル " + std::string(path) + " を開けません");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError("ファイル " + std::string(path) + " を読み込めません");
  return bytes;
}

void WriteFileFlushed(std::string_view path, std::string_view bytes) {
  Step(headless::FileStep::Write, path);
  std::ofstream out(headless::HostPath(path), std::ios::binary | std::ios::trunc);
  if (!out) throw FileError("ファイル " + std::string(path) + " を作成できません");
  // Until the flush, any part of the bytes may be on the disk: a failure there leaves half.
  std::size_t half = bytes.size() / 2;
  out.write(bytes.data(), static_cast<std::streamsize>(half));
  out.flush();
  Step(headless::FileStep::Flush, path);
  out.write(bytes.data() + half, static_cast<std::streamsize>(bytes.size() - half));
  out.flush();
  if (!out) throw FileError("ファイル " + std::string(path) + " に書き込めません");
}

void RenameReplacing(std::string_view from, std::string_view to) {
  Step(headless::FileStep::Rename, to);
  std::error_code ec;
  std::filesystem::rename(headless::HostPath(from), headless::HostPath(to), ec);
  if (ec) throw FileError("ファイル " + std::string(to) + " を置き換えられません");
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
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("ファイル " + std::string(path) + " を作成できません");
    std::size_t half = bytes.size() / 2;
    out.write(bytes.data(), static_cast<std::streamsize>(half));
    out.flush();
    try {
      Step(headless::FileStep::Flush, path);
    } catch (...) {
      out.close();
      drop_temp();
      throw;
    }
    out.write(bytes.data() + half, static_cast<std::streamsize>(bytes.size() - half));
    out.flush();
    if (!out) {
      out.close();
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
}

}  // namespace ui

namespace ui::headless {
void SetFileFault(std::function<void(FileStep, std::string_view)> hook) { file_fault = std::move(hook); }
}  // namespace ui::headless
