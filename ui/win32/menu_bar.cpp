#include "ui/win32/menu_bar.h"

namespace ui::win32 {

MenuBar::~MenuBar() {
  if (bar_ && window_ && IsWindow(window_)) ::SetMenu(window_, nullptr);
  if (bar_) DestroyMenu(bar_);
}

void MenuBar::Attach(HWND window, MenuItem* root) {
  window_ = window;
  root_ = root;
  HMENU old = bar_;
  menus_.clear();
  bar_ = root ? CreateMenu() : nullptr;
  if (bar_) Fill(bar_, *root_);
  ::SetMenu(window_, bar_);
  if (old) DestroyMenu(old);
  DrawMenuBar(window_);
}

void MenuBar::Refresh() {
  if (!bar_) return;
  Fill(bar_, *root_);
  DrawMenuBar(window_);
}

// A submenu's handler runs as it opens, then its items go in as they are now.
bool MenuBar::Opening(HMENU menu) {
  auto found = menus_.find(menu);
  if (found == menus_.end()) return false;
  MenuItem* item = found->second;
  item->Click();
  Fill(menu, *item);
  return true;
}

MenuItem* MenuBar::Chosen(UINT id) const {
  auto found = items_.find(id);
  return found == items_.end() ? nullptr : found->second;
}

// The submenus are left empty, to be filled as they open.
void MenuBar::Fill(HMENU menu, const MenuItem& parent) {
  Forget(menu);
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  for (MenuItem* item : parent.Items()) {
    UINT state = (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      HMENU sub = CreatePopupMenu();
      menus_[sub] = item;
      AppendMenuA(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(sub), item->Text().c_str());
    } else {
      AppendMenuA(menu, MF_STRING | state, IdOf(item), item->Text().c_str());
    }
  }
}

// The submenus below `menu` are about to be destroyed with their entries.
void MenuBar::Forget(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      Forget(sub);
      menus_.erase(sub);
    }
  }
}

UINT MenuBar::IdOf(MenuItem* item) {
  auto found = ids_.find(item);
  if (found != ids_.end()) return found->second;
  UINT id = static_cast<UINT>(ids_.size() + 1);
  ids_[item] = id;
  items_[id] = item;
  return id;
}

}  // namespace ui::win32
