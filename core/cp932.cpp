#include "core/cp932.h"

namespace core::cp932 {

std::size_t FindLastChar(std::string_view text, std::string_view set) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (set.find(text[i]) != std::string_view::npos) found = i;
  }
  return found;
}

std::string ExtractFileDir(std::string_view path) {
  std::size_t sep = FindLastChar(path, "\\:");
  if (sep == std::string_view::npos) return {};
  if (path[sep] == ':') return std::string(path.substr(0, sep + 1));
  return std::string(path.substr(0, sep));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  std::size_t dot = FindLastChar(path, ".\\:");
  if (dot == std::string_view::npos || path[dot] != '.') return std::string(path) + std::string(ext);
  return std::string(path.substr(0, dot)) + std::string(ext);
}

}  // namespace core::cp932
