#include "ui/registry.h"
#include <windows.h>

namespace ui {

namespace {

class RegistryPeerImpl : public RegistryPeer {
 public:
  ~RegistryPeerImpl() override { CloseKey(); }

  bool OpenKey(const std::string& path, bool can_create) override {
    CloseKey();
    LONG rc = can_create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
                         : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | KEY_WRITE, &key_);
    if (rc != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
  }

  void CloseKey() override {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }

  std::optional<RegistryValue> QueryValue(const std::string& name) override {
    DWORD type = 0, size = 0;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    RegistryValue value{type, std::string(size, '\0')};
    if (size > 0 && RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data.data()),
                                     &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.type = type;
    value.data.resize(size);
    return value;
  }

  bool SetValue(const std::string& name, const RegistryValue& value) override {
    return key_ && RegSetValueExA(key_, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                  static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::unique_ptr<RegistryPeer> backend::NewRegistryPeer() { return std::make_unique<RegistryPeerImpl>(); }

}  // namespace ui
