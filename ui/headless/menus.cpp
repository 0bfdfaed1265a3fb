#include "ui/menus.h"

#include "ui/headless/world.h"

namespace ui::backend {

// The test says beforehand which item the user will pick, by the captions on the way to it.
MenuItem* TrackPopup(MenuItem& root, Point) {
  headless::World& w = headless::TheWorld();
  ++w.menus_opened;
  if (w.menu_picks.empty()) return nullptr;
  std::vector<std::string> path = std::move(w.menu_picks.front());
  w.menu_picks.pop_front();
  MenuItem* at = &root;
  for (const std::string& caption : path) {
    MenuItem* next = nullptr;
    for (MenuItem* item : at->Items()) {
      if (item->Caption() == caption) next = item;
    }
    if (!next) return nullptr;
    if (!next->Items().empty()) next->Click();  // a submenu updates its items as it opens
    if (!next->Enabled()) return nullptr;
    at = next;
  }
  return at == &root ? nullptr : at;
}

}  // namespace ui::backend
