// The private-profile file of the headless desktop: each read and write goes to the file on the
// desktop's disk, as the platform's own functions do; the format is IniText's.

#include "core/cp932.h"
#include "ui/file.h"
#include "ui/headless/ini_text.h"
#include "ui/ini_file.h"

namespace ui {

namespace {

class IniPeerImpl : public IniPeer {
 public:
  explicit IniPeerImpl(std::string path) : path_(std::move(path)) {}

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) override {
    return Profile().Read(section, key, default_value);
  }

  bool WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    try {
      headless::IniText profile = Profile();
      profile.Write(section, key, value);
      ReplaceFileBytes(path_, profile.Bytes());
      return true;
    } catch (const FileError&) {
      return false;
    }
  }

 private:
  headless::IniText Profile() const {
    return headless::IniText(FileExists(path_) ? ReadFileBytes(path_) : std::string());
  }
  std::string path_;
};

}  // namespace

std::unique_ptr<IniPeer> backend::NewIniPeer(const std::string& path) { return std::make_unique<IniPeerImpl>(path); }

}  // namespace ui
