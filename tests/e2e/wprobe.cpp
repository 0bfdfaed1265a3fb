// Runs inside Wine beside the program under test:
//   wprobe list            visible top-level windows with a size: class, left, top, width, height, title
//   wprobe wait CLASS S    waits up to S seconds for a visible window of CLASS; exit 1 if none
//   wprobe close CLASS     asks the window of CLASS to close, as its frame's close would

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

BOOL CALLBACK PrintWindow(HWND w, LPARAM) {
  RECT r;
  if (!IsWindowVisible(w) || !GetWindowRect(w, &r) || r.right <= r.left || r.bottom <= r.top) return TRUE;
  char cls[256] = {}, title[256] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, title, sizeof title);
  std::printf("%s %ld %ld %ld %ld %s\n", cls, r.left, r.top, r.right - r.left, r.bottom - r.top, title);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "list") == 0) {
    EnumWindows(&PrintWindow, 0);
    return 0;
  }
  if (argc >= 4 && std::strcmp(argv[1], "wait") == 0) {
    DWORD limit = static_cast<DWORD>(std::atoi(argv[3])) * 1000, start = GetTickCount();
    while (GetTickCount() - start < limit) {
      HWND w = FindWindowA(argv[2], nullptr);
      if (w && IsWindowVisible(w)) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
    HWND w = FindWindowA(argv[2], nullptr);
    return w && PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  std::fprintf(stderr, "usage: wprobe list | wait CLASS SECONDS | close CLASS\n");
  return 2;
}
