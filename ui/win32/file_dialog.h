#pragma once
// The platform's common open and save dialogs.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/file_dialogs.h"

namespace ui::win32 {

std::optional<FileChoice> ShowFileDialog(const FileRequest& request);

// For the contract tests: each dialog is answered through its own controls, as a user would
// answer it, and what it showed is kept.
struct FileDialogAnswering {
  bool active = false;
  struct Answer {
    std::optional<std::string> name;  // typed into the name field; none: Cancel
    bool read_only = false;
  };
  std::deque<Answer> answers;
  struct Shown {
    std::string title, file_name;
    std::vector<std::string> types;
    bool read_only_box = false;
  };
  std::vector<Shown> shown;
  void (*on_fault)(const std::string&) = nullptr;
};
FileDialogAnswering& FileAnswering();

}  // namespace ui::win32
