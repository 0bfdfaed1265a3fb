#include "ui/registry.h"

#include "core/cp932.h"
#include "ui/exception.h"

namespace ui {

namespace {

// Separators at either end dropped, double-byte characters ending in 0x5C kept whole.
std::string TrimSeparators(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  std::size_t end = 0, kept = 0;
  while (end < path.size()) {
    std::size_t n = core::cp932::CharLength(path, end);
    end += n;
    if (!(n == 1 && path[end - 1] == '\\')) kept = end;
  }
  return std::string(path.substr(0, kept));
}

}  // namespace

Registry::Registry() : peer_(backend::NewRegistryPeer()) {}
Registry::~Registry() { CloseKey(); }

bool Registry::OpenKey(const std::string& path, bool can_create) {
  bool absolute = !path.empty() && path.front() == '\\';
  std::string relative = TrimSeparators(path);
  std::string full = absolute || !open_ || current_.empty() ? relative
                     : relative.empty()                     ? current_
                                                            : current_ + "\\" + relative;
  if (!peer_->OpenKey(full, can_create)) return false;
  current_ = full;
  open_ = true;
  return true;
}

void Registry::CloseKey() {
  if (!open_) return;
  peer_->CloseKey();
  open_ = false;
  current_.clear();
}

bool Registry::ValueExists(const std::string& name) { return open_ && peer_->QueryValue(name).has_value(); }

int Registry::ReadInteger(const std::string& name) {
  auto value = open_ ? peer_->QueryValue(name) : std::nullopt;
  if (!value) throw Exception("'" + name + "' の取得に失敗しました");
  if (value->type != kRegDword || value->data.size() != 4) throw Exception("'" + name + "' のﾃﾞｰﾀ型が不正です");
  auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(value->data[i])); };
  return static_cast<int>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
}

void Registry::WriteInteger(const std::string& name, int value) {
  auto v = static_cast<std::uint32_t>(value);
  RegistryValue dword{
      kRegDword,
      {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)}};
  if (!open_ || !peer_->SetValue(name, dword)) throw Exception("'" + name + "' の設定に失敗しました");
}

}  // namespace ui
