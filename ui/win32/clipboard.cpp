#include "ui/win32/native.h"

#include <cstring>

#include "ui/clipboard.h"
#include "ui/exception.h"

namespace ui::backend {

namespace {

// Another program may hold the clipboard for a moment; a few tries ride that out.
bool OpenTheClipboard() {
  constexpr int kTries = 10;
  for (int i = 0; i < kTries; ++i) {
    if (OpenClipboard(win32::AppWindow())) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::string ClipboardText() {
  if (!OpenTheClipboard()) throw Exception("クリップボードを開けません");
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text.assign(p, strnlen(p, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  if (!OpenTheClipboard()) return;
  EmptyClipboard();
  if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    char* p = static_cast<char*>(GlobalLock(data));
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    if (!SetClipboardData(CF_TEXT, data)) GlobalFree(data);
  }
  CloseClipboard();
}

void ShowScreenCursor(Cursor cursor) { ::SetCursor(win32::CursorHandle(cursor)); }

}  // namespace ui::backend
