// A library planted beside the program under a system library's name, as a file dropped into a
// downloads folder would be: loaded, it leaves "<its file name>.loaded" beside itself and refuses
// to load, so that a program that took it would also miss what the real library gives.

#include <windows.h>

#include <cstring>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 8] = {};
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    std::strcat(path, ".loaded");
    HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  }
  return FALSE;
}
