#include "ui/file_dialogs.h"

#include <cctype>
#include <string_view>

#include "core/cp932.h"
#include "ui/application.h"

namespace ui {

std::vector<FileType> ParseFilter(const std::string& filter) {
  // A '|' byte may be the second half of a double-byte character ("ポ" is 83 7C).
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < filter.size();) {
    std::size_t length = core::cp932::CharLength(filter, i);
    if (filter[i] == '|') {
      parts.emplace_back();
    } else {
      parts.back().append(filter, i, length);
    }
    i += length;
  }
  std::vector<FileType> types;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) types.push_back({parts[i], parts[i + 1]});
  return types;
}

FileRequest FileDialog::Request() const {
  return {kind_, title_, ParseFilter(filter_), file_name_, initial_dir_, default_ext_, false};
}

namespace {
bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}
}  // namespace

// The platform may add the default extension in its own case (Wine writes ".pcr"); the program
// gets it as it wrote it.
bool FileDialog::Execute() {
  std::optional<FileChoice> choice = Application->Peer().FileDialog(Request());
  if (!choice) return false;
  std::string ext = "." + default_ext_;
  std::string& path = choice->path;
  if (!default_ext_.empty() && path.size() > ext.size() &&
      SameAscii(std::string_view(path).substr(path.size() - ext.size()), ext)) {
    path.replace(path.size() - ext.size(), ext.size(), ext);
  }
  file_name_ = path;
  Chosen(*choice);
  return true;
}

FileRequest OpenDialog::Request() const {
  FileRequest request = FileDialog::Request();
  request.show_read_only = show_read_only_;
  return request;
}

}  // namespace ui
