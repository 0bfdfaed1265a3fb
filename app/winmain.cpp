// The Windows entry point. The program reads no command line.

#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return app::RunProgram(); }
