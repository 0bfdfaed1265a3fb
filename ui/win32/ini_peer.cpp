#include "ui/ini_file.h"
#include <windows.h>

#include <cstring>

namespace ui {

namespace {

class IniPeerImpl : public IniPeer {
 public:
  explicit IniPeerImpl(const std::string& path) : path_(FullPath(path)) {}

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) override {
    char buffer[kIniValueLimit + 1] = {};
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer, sizeof buffer,
                                       path_.c_str());
    // A value cut in the middle of a double-byte character is counted with its terminator.
    return std::string(buffer, strnlen(buffer, n));
  }

  bool WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) != FALSE;
  }

 private:
  // A name without a folder would be looked for in the Windows folder.
  static std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : path;
  }

  std::string path_;
};

}  // namespace

std::unique_ptr<IniPeer> backend::NewIniPeer(const std::string& path) { return std::make_unique<IniPeerImpl>(path); }

}  // namespace ui
