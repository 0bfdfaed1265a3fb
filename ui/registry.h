#pragma once
// The current user's registry: one key open at a time, its values read and written by name.
// Paths and names are CP932 byte strings; a path starting with "\\" is taken from the root,
// any other from the key that is open.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ui {

// Value types as the platform numbers them.
constexpr std::uint32_t kRegSz = 1, kRegBinary = 3, kRegDword = 4;

struct RegistryValue {
  std::uint32_t type = 0;
  std::string data;  // the bytes as stored
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

class RegistryPeer {
 public:
  virtual ~RegistryPeer() = default;
  // `path` is below the current user's root, without a leading separator.
  virtual bool OpenKey(const std::string& path, bool can_create) = 0;
  virtual void CloseKey() = 0;
  virtual std::optional<RegistryValue> QueryValue(const std::string& name) = 0;
  virtual bool SetValue(const std::string& name, const RegistryValue& value) = 0;
};

namespace backend {
std::unique_ptr<RegistryPeer> NewRegistryPeer();
}

class Registry {
 public:
  Registry();
  ~Registry();  // closes the key
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // False when the key does not exist (and may not be created) or cannot be opened.
  bool OpenKey(const std::string& path, bool can_create);
  void CloseKey();
  const std::string& CurrentPath() const { return current_; }

  bool ValueExists(const std::string& name);
  // A REG_DWORD value; missing or of another type, a ui::Exception naming the value.
  int ReadInteger(const std::string& name);
  void WriteInteger(const std::string& name, int value);

 private:
  std::string current_;
  bool open_ = false;
  std::unique_ptr<RegistryPeer> peer_;
};

}  // namespace ui
