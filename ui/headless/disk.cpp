#include "ui/headless/disk.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "ui/cp932.h"
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
    std::size_t n = cp932::CharLength(rest, i);
    if (n == 1 && rest[i] == '\\') host += '/';
    else host.append(rest, i, n);
    i += n;
  }
  while (!host.empty() && host.front() == '/') host.erase(0, 1);
  return std::filesystem::path(TheWorld().disk_root) / drive / host;
}

}  // namespace ui::headless

namespace ui {

bool FileExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(headless::HostPath(path), ec);
}

std::string ReadFileBytes(std::string_view path) {
  std::ifstream in(headless::HostPath(path), std::ios::binary);
  if (!in) throw FileError("ファイル " + std::string(path) + " を開けません");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError("ファイル " + std::string(path) + " を読み込めません");
  return bytes;
}

void ReplaceFileBytes(std::string_view path, std::string_view bytes) {
  auto target = headless::HostPath(path);
  auto temp = target;
  temp += ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("ファイル " + std::string(path) + " を作成できません");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temp);
      throw FileError("ファイル " + std::string(path) + " に書き込めません");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp);
    throw FileError("ファイル " + std::string(path) + " を置き換えられません");
  }
}

}  // namespace ui
