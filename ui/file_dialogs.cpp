#include "ui/file_dialogs.h"

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

bool FileDialog::Execute() {
  std::optional<FileChoice> choice = Application->Peer().FileDialog(Request());
  if (!choice) return false;
  file_name_ = choice->path;
  Chosen(*choice);
  return true;
}

FileRequest OpenDialog::Request() const {
  FileRequest request = FileDialog::Request();
  request.show_read_only = show_read_only_;
  return request;
}

}  // namespace ui
