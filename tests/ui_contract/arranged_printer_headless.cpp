#include "tests/ui_contract/arranged_printer.h"

#include "ui/headless/fixture.h"

void InstallPrinter(const std::string& name) { ui::headless::InstallPrinter(name); }
