#include "help/help_text.h"

#include <cstddef>

// Made by the build from resources/help_text.txt.
extern const char kHelpTextBytes[];
extern const std::size_t kHelpTextBytesSize;

std::string_view HelpText() { return {kHelpTextBytes, kHelpTextBytesSize}; }

// No trail byte of a double-byte character is a CR or an LF, so the text splits bytewise.
std::vector<std::string_view> HelpLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}
