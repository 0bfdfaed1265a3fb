#pragma once
// The headless registry's keys and names, compared as the platform compares them.

#include <map>
#include <string>
#include <string_view>

#include "ui/registry.h"

namespace ui::headless {

// Letters in one case; double-byte characters untouched.
std::string RegistryFold(std::string_view name);
// A key's path below the root as the registry holds it: folded, separators at either end dropped.
std::string RegistryKeyPath(std::string_view path);
// The key's values, the key and those above it made to exist first.
std::map<std::string, RegistryValue>& CreateRegistryKey(std::string_view path);

}  // namespace ui::headless
