#pragma once
// The printer a contract test stands on. The headless desktop has none until a test installs
// one. Under Wine a test can neither install a printer nor take away the machine's: there the
// printers are the machine's, and installing one does nothing.

#include <string>

// Installs a printer for the session, the default one if it is the first, where the platform
// lets a test.
void InstallPrinter(const std::string& name);
