#pragma once
// The platform's open and save dialogs: a window holds one of each as members, sets the file
// types and the name to offer, and reads back the full path the user chose.

#include <optional>
#include <string>
#include <vector>

namespace ui {

// One file type of a dialog's list: "アウトライン(*.Pcr)" and "*.Pcr".
struct FileType {
  std::string description;
  std::string pattern;
  friend bool operator==(const FileType&, const FileType&) = default;
};
// The types of a filter written as "description|pattern|description|pattern"; a description
// without its pattern is dropped.
std::vector<FileType> ParseFilter(const std::string& filter);

enum class FileDialogKind { Open, Save };

// What a dialog asks of the platform. The open dialog wants an existing file; the save dialog
// asks before it lets the user choose a file that exists.
struct FileRequest {
  FileDialogKind kind = FileDialogKind::Open;
  std::string title;  // empty: the platform's own caption
  std::vector<FileType> types;
  std::string file_name;    // offered in the name field
  std::string initial_dir;  // empty: the platform's choice
  std::string default_ext;  // added to a typed name without an extension ("Pcr", no dot)
  bool show_read_only = false;
};

struct FileChoice {
  std::string path;  // full, CP932, "\\" separators
  bool read_only = false;
};

class FileDialog {
 public:
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;

  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string name) { file_name_ = std::move(name); }
  const std::string& InitialDir() const { return initial_dir_; }
  void SetInitialDir(std::string dir) { initial_dir_ = std::move(dir); }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& DefaultExt() const { return default_ext_; }
  void SetDefaultExt(std::string ext) { default_ext_ = std::move(ext); }

  // Modal, owned by the active window. True when the user chose a file: FileName() is then its
  // full path. False on cancel, FileName() unchanged.
  bool Execute();

 protected:
  explicit FileDialog(FileDialogKind kind) : kind_(kind) {}
  virtual FileRequest Request() const;
  virtual void Chosen(const FileChoice&) {}

 private:
  FileDialogKind kind_;
  std::string filter_, file_name_, initial_dir_, title_, default_ext_;
};

class OpenDialog : public FileDialog {
 public:
  OpenDialog() : FileDialog(FileDialogKind::Open) {}
  // A "read only" check box under the name; whether the user left it checked.
  bool ShowReadOnly() const { return show_read_only_; }
  void SetShowReadOnly(bool on) { show_read_only_ = on; }
  bool ReadOnlyChecked() const { return read_only_checked_; }

 protected:
  FileRequest Request() const override;
  void Chosen(const FileChoice& choice) override { read_only_checked_ = choice.read_only; }

 private:
  bool show_read_only_ = false;
  bool read_only_checked_ = false;
};

class SaveDialog : public FileDialog {
 public:
  SaveDialog() : FileDialog(FileDialogKind::Save) {}
};

}  // namespace ui
