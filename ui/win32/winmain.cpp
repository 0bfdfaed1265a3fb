// The Windows entry point: the platform starts the program here. The program reads no command line.

#include <windows.h>

#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return ui::ProgramMain(); }
