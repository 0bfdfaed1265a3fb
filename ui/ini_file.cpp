#include "ui/ini_file.h"

#include <cstdint>

#include "ui/exception.h"

namespace ui {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseIniInteger(const std::string& text, int& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    // Eight hex digits at most, wrapping into the sign as 32-bit values do.
    std::size_t i = 2;
    while (i < text.size() - 1 && text[i] == '0') ++i;
    if (text.size() - i > 8) return false;
    std::uint32_t v = 0;
    for (; i < text.size(); ++i) {
      int d = DigitValue(text[i]);
      if (d < 0) return false;
      v = v * 16 + static_cast<std::uint32_t>(d);
    }
    value = static_cast<int>(v);
    return true;
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > std::int64_t{INT32_MAX} + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

IniFile::IniFile(std::string path) : path_(std::move(path)), peer_(backend::NewIniPeer(path_)) {}
IniFile::IniFile(std::string path, std::unique_ptr<IniPeer> peer) : path_(std::move(path)), peer_(std::move(peer)) {}
IniFile::~IniFile() = default;

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& default_value) {
  return peer_->ReadString(section, key, default_value);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int default_value) {
  int value = default_value;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : default_value;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool default_value) {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!peer_->WriteString(section, key, value)) throw Exception(path_ + " に書き込めません");
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace ui
