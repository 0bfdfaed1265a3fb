#pragma once
// The platform's common open and save dialogs.

#include <optional>
#include <string>
#include <vector>

#include "ui/file_dialogs.h"
#include "ui/win32/dialog_answering.h"

namespace ui::win32 {

std::optional<FileChoice> ShowFileDialog(const FileRequest& request);

// For the contract tests: each dialog gets the name typed into its name field and its read-only
// box set, then OK pressed, or Cancel, as a user would; what it showed is kept.
struct FileDialogAnswer {
  std::optional<std::string> name;  // typed into the name field; none: Cancel
  bool read_only = false;
};
struct FileDialogShown {
  std::string title, file_name;
  std::vector<std::string> types;
  bool read_only_box = false;
};
using FileDialogAnswering = DialogAnswering<FileDialogAnswer, FileDialogShown>;
FileDialogAnswering& FileAnswering();

}  // namespace ui::win32
