// Runs inside Wine beside the program under test, as the end-to-end checks' hand:
//   wprobe list                 visible top-level windows with a size: class, left, top, width, height
//   wprobe wait CLASS S         waits up to S seconds for a visible window of CLASS; exit 1 if none
//   wprobe gone CLASS S         waits up to S seconds for no visible window of CLASS; exit 1 if one stays
//   wprobe close CLASS          asks the window of CLASS to close, as its frame's close would
//   wprobe point CLASS X Y      prints the screen point of the client point (X, Y) of CLASS
//   wprobe move CLASS X Y       moves the window of CLASS to (X, Y), as a drag would
//   wprobe answer S [BUTTON]    waits up to S seconds for a message box, prints its text, presses OK
//                               (or BUTTON: yes, no, cancel)
//   wprobe dialog ID S          waits up to S seconds for a dialog holding a control of that ID (the
//                               print dialog's printer list is 1139); if none comes, prints what
//                               dialogs there are, each caption with its texts, and exits 1
//   wprobe dword KEY NAME       prints a REG_DWORD value under HKEY_CURRENT_USER
//   wprobe forget KEY           deletes a key (without subkeys) under HKEY_CURRENT_USER
//   wprobe font FACE            exit 0 if the system has a font of that face
//   wprobe text CLASS           prints the text of each shown rich edit in the window of CLASS
//   wprobe keyboard             prints the classes of the window that has the keyboard and of its
//                               top-level window, or "none"
//   wprobe ime TEXT             gives TEXT to the control that has the keyboard as an input method
//                               commits it: each double-byte character whole, not byte by byte as
//                               X key events of kanji reach an ANSI window under Wine
//   wprobe timeclick CLASS X Y TARGET S
//                               clicks the client point (X, Y) of CLASS and prints the milliseconds
//                               until TARGET is visible and painted (its thread idle, nothing left
//                               to paint in it); waits up to S seconds, exit 1 if it never is

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

BOOL CALLBACK PrintEditorText(HWND w, LPARAM) {
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (!IsWindowVisible(w) || _strnicmp(cls, "RichEdit", 8) != 0) return TRUE;
  static char text[65536];
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &got))
    return TRUE;
  std::printf("%.*s\n", static_cast<int>(got), text);
  return TRUE;
}

HWND Visible(const char* cls) {
  HWND w = FindWindowA(cls, nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

int CALLBACK FoundFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

BOOL CALLBACK FindUnpainted(HWND w, LPARAM found) {
  RECT r;
  if (IsWindowVisible(w) && GetUpdateRect(w, &r, FALSE)) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// Shown, done with whatever the showing started, and drawn.
bool Painted(HWND w) {
  DWORD_PTR answer = 0;
  if (!IsWindowVisible(w) || !SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer)) return false;
  bool unpainted = false;
  RECT r;
  if (GetUpdateRect(w, &r, FALSE)) unpainted = true;
  EnumChildWindows(w, &FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

void ClickAt(POINT p) {
  const double sx = 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1), sy = 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  INPUT in[3] = {};
  for (INPUT& i : in) {
    i.type = INPUT_MOUSE;
    i.mi.dx = static_cast<LONG>(p.x * sx);
    i.mi.dy = static_cast<LONG>(p.y * sy);
  }
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in[0], sizeof(INPUT));
  Sleep(100);  // the pointer is over the button before it goes down
  SendInput(2, &in[1], sizeof(INPUT));
}

struct DialogSearch {
  int control;
  HWND found;
};

BOOL CALLBACK FindDialogWith(HWND w, LPARAM search) {
  auto* s = reinterpret_cast<DialogSearch*>(search);
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (IsWindowVisible(w) && std::strcmp(cls, "#32770") == 0 && GetDlgItem(w, s->control)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK PrintChildText(HWND w, LPARAM) {
  char text[512] = {};
  if (IsWindowVisible(w) && GetWindowTextA(w, text, sizeof text) > 0) std::printf(" [%s]", text);
  return TRUE;
}

BOOL CALLBACK PrintDialog(HWND w, LPARAM seen) {
  char cls[16] = {}, title[256] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (!IsWindowVisible(w) || std::strcmp(cls, "#32770") != 0) return TRUE;
  GetWindowTextA(w, title, sizeof title);
  std::printf("\"%s\":", title);
  EnumChildWindows(w, &PrintChildText, 0);
  std::printf("\n");
  *reinterpret_cast<bool*>(seen) = true;
  return TRUE;
}

bool Arg(int argc, char** argv, const char* verb, int count) {
  return argc >= 2 + count && std::strcmp(argv[1], verb) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (Arg(argc, argv, "list", 0)) {
    EnumWindows(&PrintWindow, 0);
    return 0;
  }
  if (Arg(argc, argv, "wait", 2)) {
    DWORD limit = static_cast<DWORD>(std::atoi(argv[3])) * 1000, start = GetTickCount();
    while (GetTickCount() - start < limit) {
      if (Visible(argv[2])) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (Arg(argc, argv, "gone", 2)) {
    DWORD limit = static_cast<DWORD>(std::atoi(argv[3])) * 1000, start = GetTickCount();
    while (Visible(argv[2])) {
      if (GetTickCount() - start >= limit) return 1;
      Sleep(100);
    }
    return 0;
  }
  if (Arg(argc, argv, "close", 1)) {
    HWND w = FindWindowA(argv[2], nullptr);
    return w && PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (Arg(argc, argv, "point", 3)) {
    HWND w = Visible(argv[2]);
    if (!w) return 1;
    POINT p{std::atoi(argv[3]), std::atoi(argv[4])};
    ClientToScreen(w, &p);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
  }
  if (Arg(argc, argv, "move", 3)) {
    HWND w = Visible(argv[2]);
    return w && SetWindowPos(w, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }
  if (Arg(argc, argv, "answer", 1)) {
    DWORD limit = static_cast<DWORD>(std::atoi(argv[2])) * 1000, start = GetTickCount();
    while (GetTickCount() - start < limit) {
      if (HWND box = Visible("#32770")) {
        char text[1024] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        std::printf("%s\n", text);
        std::fflush(stdout);
        int button = IDOK;
        if (argc > 3) button = !_stricmp(argv[3], "yes") ? IDYES : !_stricmp(argv[3], "no") ? IDNO : IDCANCEL;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
        return 0;
      }
      Sleep(100);
    }
    return 1;
  }
  if (Arg(argc, argv, "dialog", 2)) {
    DWORD limit = static_cast<DWORD>(std::atoi(argv[3])) * 1000, start = GetTickCount();
    DialogSearch search{std::atoi(argv[2]), nullptr};
    while (GetTickCount() - start < limit) {
      EnumWindows(&FindDialogWith, reinterpret_cast<LPARAM>(&search));
      if (search.found) return 0;
      Sleep(100);
    }
    bool seen = false;
    EnumWindows(&PrintDialog, reinterpret_cast<LPARAM>(&seen));
    if (!seen) std::printf("no dialog\n");
    return 1;
  }
  if (Arg(argc, argv, "dword", 2)) {
    DWORD value = 0, size = sizeof value, type = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, argv[2], 0, KEY_READ, &key) != ERROR_SUCCESS) return 1;
    LONG rc = RegQueryValueExA(key, argv[3], nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD) return 1;
    std::printf("%ld\n", static_cast<long>(value));
    return 0;
  }
  if (Arg(argc, argv, "forget", 1)) {
    LONG rc = RegDeleteKeyA(HKEY_CURRENT_USER, argv[2]);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND ? 0 : 1;
  }
  if (Arg(argc, argv, "text", 1)) {
    HWND w = Visible(argv[2]);
    if (!w) return 1;
    EnumChildWindows(w, &PrintEditorText, 0);
    return 0;
  }
  if (Arg(argc, argv, "keyboard", 0)) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(0, &gui) || !gui.hwndFocus) {
      std::printf("none\n");
      return 0;
    }
    char cls[256] = {}, top[256] = {};
    GetClassNameA(gui.hwndFocus, cls, sizeof cls);
    GetClassNameA(GetAncestor(gui.hwndFocus, GA_ROOT), top, sizeof top);
    std::printf("%s %s\n", cls, top);
    return 0;
  }
  if (Arg(argc, argv, "ime", 1)) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(0, &gui) || !gui.hwndFocus) return 1;
    const char* text = argv[2];
    // As the platform's own probe does: the code point where the control says it takes one.
    DWORD_PTR unichar = 0;
    SendMessageTimeoutA(gui.hwndFocus, WM_UNICHAR, UNICODE_NOCHAR, 0, SMTO_NORMAL, 10000, &unichar);
    for (std::size_t i = 0; text[i];) {
      bool pair = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && text[i + 1];
      if (pair && unichar) {
        wchar_t wide = 0;
        MultiByteToWideChar(CP_ACP, 0, text + i, 2, &wide, 1);
        PostMessageA(gui.hwndFocus, WM_UNICHAR, wide, 1);
      } else if (pair) {
        PostMessageA(gui.hwndFocus, WM_IME_CHAR, static_cast<BYTE>(text[i]) << 8 | static_cast<BYTE>(text[i + 1]), 1);
      } else {
        PostMessageA(gui.hwndFocus, WM_CHAR, static_cast<BYTE>(text[i]), 1);
      }
      i += pair ? 2 : 1;
    }
    return 0;
  }
  if (Arg(argc, argv, "font", 1)) {
    LOGFONTA font{};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, argv[2], LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &font, &FoundFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found ? 0 : 1;
  }
  if (Arg(argc, argv, "timeclick", 5)) {
    HWND w = Visible(argv[2]);
    if (!w) return 1;
    POINT p{std::atoi(argv[3]), std::atoi(argv[4])};
    ClientToScreen(w, &p);
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[6])) * 1000;
    ClickAt(p);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limit) {
      HWND target = FindWindowA(argv[5], nullptr);
      if (target && Painted(target)) {
        std::printf("%lu\n", static_cast<unsigned long>(GetTickCount() - start));
        return 0;
      }
      Sleep(5);
    }
    return 1;
  }
  std::fprintf(
      stderr,
      "usage: wprobe list | wait CLASS S | gone CLASS S | close CLASS | keyboard | point CLASS X Y | move CLASS X Y | "
      "answer S [BUTTON] | dialog ID S | dword KEY NAME | forget KEY | text CLASS | ime TEXT | font FACE | timeclick "
      "CLASS X Y TARGET S\n");
  return 2;
}
