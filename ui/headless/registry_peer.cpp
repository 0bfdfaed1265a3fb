#include "ui/headless/registry.h"

#include "core/cp932.h"
#include "ui/headless/world.h"
#include "ui/registry.h"

namespace ui::headless {

std::string RegistryFold(std::string_view name) {
  std::string folded;
  for (std::size_t i = 0; i < name.size();) {
    std::size_t n = core::cp932::CharLength(name, i);
    if (n == 1)
      folded += static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
    else
      folded.append(name, i, n);
    i += n;
  }
  return folded;
}

std::string RegistryKeyPath(std::string_view path) {
  std::string key = RegistryFold(path);
  while (!key.empty() && key.front() == '\\') key.erase(0, 1);
  while (!key.empty() && core::cp932::FindLastChar(key, "\\") == key.size() - 1) key.pop_back();
  return key;
}

std::map<std::string, RegistryValue>& CreateRegistryKey(std::string_view path) {
  auto& keys = TheWorld().registry;
  std::string key = RegistryKeyPath(path);
  // Every key above it comes to exist with it.
  for (std::size_t i = 0; i < key.size();) {
    std::size_t n = core::cp932::CharLength(key, i);
    if (n == 1 && key[i] == '\\') keys[key.substr(0, i)];
    i += n;
  }
  return keys[key];
}

namespace {

class RegistryPeerImpl : public RegistryPeer {
 public:
  bool OpenKey(const std::string& path, bool can_create) override {
    auto& keys = TheWorld().registry;
    std::string key = RegistryKeyPath(path);
    if (!key.empty() && !keys.contains(key)) {
      if (!can_create) return false;
      CreateRegistryKey(key);
    }
    key_ = key;
    open_ = true;
    return true;
  }

  void CloseKey() override { open_ = false; }

  std::optional<RegistryValue> QueryValue(const std::string& name) override {
    if (!open_) return std::nullopt;
    auto key = TheWorld().registry.find(key_);
    if (key == TheWorld().registry.end()) return std::nullopt;
    auto value = key->second.find(RegistryFold(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
  }

  bool SetValue(const std::string& name, const RegistryValue& value) override {
    if (!open_) return false;
    TheWorld().registry[key_][RegistryFold(name)] = value;
    return true;
  }

 private:
  std::string key_;
  bool open_ = false;
};

}  // namespace

}  // namespace ui::headless

namespace ui {
std::unique_ptr<RegistryPeer> backend::NewRegistryPeer() { return std::make_unique<headless::RegistryPeerImpl>(); }
}  // namespace ui
