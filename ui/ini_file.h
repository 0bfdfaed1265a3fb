#pragma once
// An INI file of the platform's private-profile format, opened by path for one batch of reads or
// writes and never held open. Numbers and flags are parsed here, once, over the backend's strings.

#include <memory>
#include <string>

namespace ui {

// Longest value a read returns, in bytes.
constexpr std::size_t kIniValueLimit = 1023;

class IniPeer {
 public:
  virtual ~IniPeer() = default;
  // The value, or `default_value` when the section or key is missing; at most kIniValueLimit bytes.
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& default_value) = 0;
  // False when the file cannot be written.
  virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

namespace backend {
std::unique_ptr<IniPeer> NewIniPeer(const std::string& path);
}

class IniFile {
 public:
  explicit IniFile(std::string path);
  // Over a peer of the caller's: the same reading rules on other storage (a text in memory).
  IniFile(std::string path, std::unique_ptr<IniPeer> peer);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& FileName() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& default_value);
  // Decimal, or hexadecimal after "0x"/"0X"; any other text counts as missing.
  int ReadInteger(const std::string& section, const std::string& key, int default_value);
  // Any whole number other than 0 is on.
  bool ReadBool(const std::string& section, const std::string& key, bool default_value);

  // Failures throw ui::Exception naming the file.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

 private:
  std::string path_;
  std::unique_ptr<IniPeer> peer_;
};

// The whole-number reading rule of ReadInteger; false when `text` is not a whole number.
bool ParseIniInteger(const std::string& text, int& value);

}  // namespace ui
