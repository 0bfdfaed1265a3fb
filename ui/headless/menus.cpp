#include "ui/headless/menus.h"

#include "ui/headless/world.h"

namespace ui::headless {

namespace {
BuiltMenuItem EntryOf(MenuItem* item) {
  return {item->Text(),
          item->IsSeparator(),
          !item->Enabled(),
          item->Checked(),
          item,
          {},
          !item->IsSeparator() && !item->Items().empty()};
}
}  // namespace

std::vector<BuiltMenuItem> BuildLevel(const MenuItem& parent) {
  std::vector<BuiltMenuItem> level;
  for (MenuItem* item : parent.Items()) level.push_back(EntryOf(item));
  return level;
}

std::vector<BuiltMenuItem> BuildMenu(const MenuItem& parent) {
  std::vector<BuiltMenuItem> menu;
  for (MenuItem* item : parent.Items()) {
    BuiltMenuItem entry = EntryOf(item);
    if (entry.popup) {
      item->Click();
      entry.submenu = BuildMenu(*item);
    }
    menu.push_back(std::move(entry));
  }
  return menu;
}

}  // namespace ui::headless

namespace ui::backend {

// The test says beforehand which item the user will pick, by the captions on the way to it; a
// grayed entry on the way cannot be picked.
MenuItem* TrackPopup(MenuItem& root, Point) {
  std::vector<headless::BuiltMenuItem> menu = headless::BuildMenu(root);
  headless::World& w = headless::TheWorld();
  ++w.menus_opened;
  if (w.menu_picks.empty()) return nullptr;
  std::vector<std::string> path = std::move(w.menu_picks.front());
  w.menu_picks.pop_front();
  const std::vector<headless::BuiltMenuItem>* level = &menu;
  const headless::BuiltMenuItem* at = nullptr;
  for (const std::string& caption : path) {
    const headless::BuiltMenuItem* next = nullptr;
    for (const headless::BuiltMenuItem& entry : *level) {
      if (!entry.separator && ShowsCaption(entry.caption, caption)) next = &entry;
    }
    if (!next || next->grayed) return nullptr;
    at = next;
    level = &next->submenu;
  }
  return at && at->submenu.empty() ? at->item : nullptr;
}

}  // namespace ui::backend
