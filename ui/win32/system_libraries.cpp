#include "ui/win32/system_libraries.h"

#include <delayimp.h>

#include <string>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace ui::win32 {

namespace {

// Both calls are newer than the oldest system the program runs on, so they are looked up.
template <typename Function>
Function Kernel(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// The delay-load helper asks here before it loads an imported library by its bare name.
FARPROC WINAPI BeforeDelayLoad(unsigned notice, PDelayLoadInfo info) {
  if (notice != dliNotePreLoadLibrary) return nullptr;
  return reinterpret_cast<FARPROC>(LoadSystemLibrary(info->szDll));
}

}  // namespace

void LoadLibrariesFromSystemOnly() {
  using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
  using SetDllDirectory = BOOL(WINAPI*)(LPCSTR);
  if (auto set_default = Kernel<SetDefaultDllDirectories>("SetDefaultDllDirectories")) {
    if (set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  }
  if (auto set_directory = Kernel<SetDllDirectory>("SetDllDirectoryA")) set_directory("");
}

HMODULE LoadSystemLibrary(const char* name) {
  if (HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return library;
  // A system that does not know the flag refuses the call; a full path is searched nowhere else.
  char folder[MAX_PATH];
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryA((std::string(folder, length) + "\\" + name).c_str());
}

}  // namespace ui::win32

// The helper's two hooks (declared by <delayimp.h>, for C) are defined together: its library's own
// empty pair is then not linked.
PfnDliHook __pfnDliNotifyHook2 = &ui::win32::BeforeDelayLoad;
PfnDliHook __pfnDliFailureHook2 = nullptr;
