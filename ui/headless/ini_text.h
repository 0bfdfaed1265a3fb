#pragma once
// The private-profile format read and written as the platform's own functions do it, over the
// file's bytes in memory: names without regard to case, blanks around names and values dropped,
// pairs of quotes around a value dropped, the first of duplicate sections and keys taken. The
// bytes put back are in the platform's own form: blank lines go, "name=value" lines, CRLF, a
// UTF-8 file stays UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace ui::headless {

class IniText {
 public:
  struct Key {
    std::string name;
    std::optional<std::string> value;  // none for a line without "="
  };
  struct Section {
    std::string name;  // empty for the lines before the first header
    std::vector<Key> keys;
  };

  explicit IniText(std::string bytes);
  // The value, or `default_value` when the section or key is missing; at most kIniValueLimit bytes.
  std::string Read(const std::string& section, const std::string& key, const std::string& default_value) const;
  // Sets the value, adding the section or the key at its end when missing.
  void Write(const std::string& section, const std::string& key, const std::string& value);
  std::string Bytes() const;

  bool utf8 = false;
  std::vector<Section> sections;
};

}  // namespace ui::headless
