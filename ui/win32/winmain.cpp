// The Windows entry point: the platform starts the program here. The program reads no command line.

#include <windows.h>

#include "ui/application.h"
#include "ui/win32/system_libraries.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ui::win32::LoadLibrariesFromSystemOnly();
  return ui::ProgramMain();
}
