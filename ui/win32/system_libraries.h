#pragma once
// Libraries come from the system folder, never from the program's own folder: users start
// programs from folders that others write into (a downloads folder), where a file named like a
// system library would otherwise be loaded and run in its place.

#include <windows.h>

namespace ui::win32 {

// Called first of all, before any library is loaded by name: the process's searches for
// libraries look in the system folder only (where the system cannot be told so, they at least
// leave out the current folder). The libraries that the program imports late (the common
// controls and the print spooler) are loaded through LoadSystemLibrary when first called.
void LoadLibrariesFromSystemOnly();

// The library of that name from the system folder; null if it is not there.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace ui::win32
