#pragma once
// The headless backend's menus: built from the items as the platform builds its own, and picked
// from by the test.

#include <string>
#include <vector>

#include "ui/menus.h"

namespace ui::headless {

// One entry of a built menu: what the platform holds of an item when the menu opens.
struct BuiltMenuItem {
  std::string caption;
  bool separator = false;
  bool grayed = false;
  bool checked = false;
  MenuItem* item = nullptr;
  std::vector<BuiltMenuItem> submenu;
  bool popup = false;  // opens a submenu, even one not built yet
};

// The menu of the items below `parent`; a submenu's handler runs as it is built, just before the
// menu opens.
std::vector<BuiltMenuItem> BuildMenu(const MenuItem& parent);
// One level of a menu bar: the entries below `parent`, their submenus left to be built as they
// open, no handler run.
std::vector<BuiltMenuItem> BuildLevel(const MenuItem& parent);

}  // namespace ui::headless
