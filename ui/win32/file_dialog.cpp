#include "ui/win32/file_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

namespace ui::win32 {

namespace {

std::string TextOf(HWND window) {
  char text[1024] = {};
  if (window) GetWindowTextA(window, text, sizeof text);
  return text;
}

// The name field is an edit (edt1) in some versions of the dialog and a combo box (cmb13) in others.
HWND NameField(HWND box) {
  HWND field = GetDlgItem(box, edt1);
  return field ? field : GetDlgItem(box, cmb13);
}

// Once the dialog has filled its controls: what it shows, then the scripted answer, typed in.
void AnswerDialog(HWND box) {
  FileDialogAnswering& a = FileAnswering();
  FileDialogShown shown{TextOf(box), TextOf(NameField(box)), {}, false};
  if (HWND types = GetDlgItem(box, cmb1)) {
    auto count = SendMessageA(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char text[512] = {};
      if (SendMessageA(types, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text)) {
        SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      }
      shown.types.push_back(text);
    }
  }
  HWND read_only = GetDlgItem(box, chx1);
  shown.read_only_box = read_only && IsWindowVisible(read_only);
  a.shown.push_back(shown);
  FileDialogAnswer answer = a.Next("a file dialog", shown.title);
  if (!answer.name) {
    Press(box, IDCANCEL);
    return;
  }
  SetWindowTextA(NameField(box), answer.name->c_str());
  if (shown.read_only_box) CheckDlgButton(box, chx1, answer.read_only ? BST_CHECKED : BST_UNCHECKED);
  Press(box, IDOK);
}

// "description\0pattern\0...\0\0", as the dialog takes its list of types.
std::string NativeFilter(const std::vector<FileType>& types) {
  std::string filter;
  for (const FileType& type : types) {
    filter += type.description;
    filter += '\0';
    filter += type.pattern;
    filter += '\0';
  }
  filter += '\0';
  return filter;
}

}  // namespace

FileDialogAnswering& FileAnswering() {
  static FileDialogAnswering answering;
  return answering;
}

// The program's folder stays the current one whatever folder the user visits (OFN_NOCHANGEDIR).
// The save dialog asks before it lets a file that exists be chosen, as every Windows program does.
std::optional<FileChoice> ShowFileDialog(const FileRequest& request) {
  std::string filter = NativeFilter(request.types);
  std::vector<char> path(4096, '\0');
  request.file_name.copy(path.data(), path.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow() ? GetActiveWindow() : AppWindow();
  ofn.lpstrFilter = request.types.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.lpstrInitialDir = request.initial_dir.empty() ? nullptr : request.initial_dir.c_str();
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  ofn.lpstrDefExt = request.default_ext.empty() ? nullptr : request.default_ext.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (request.kind == FileDialogKind::Open) {
    ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!request.show_read_only) ofn.Flags |= OFN_HIDEREADONLY;
  } else {
    ofn.Flags |= OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  }
  if (FileAnswering().active) AnswerWhenShown(&AnswerDialog);
  BOOL chosen = request.kind == FileDialogKind::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  StopAnswering();
  if (!chosen) return std::nullopt;
  return FileChoice{path.data(), request.kind == FileDialogKind::Open && (ofn.Flags & OFN_READONLY) != 0};
}

}  // namespace ui::win32
