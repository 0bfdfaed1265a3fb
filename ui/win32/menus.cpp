#include "ui/menus.h"

#include "ui/win32/native.h"

namespace ui::win32 {

// Submenus run their handler as they are built, just before they open.
HMENU BuildMenu(const MenuItem& parent, std::map<UINT, MenuItem*>& ids) {
  HMENU menu = CreatePopupMenu();
  for (MenuItem* item : parent.Items()) {
    UINT grayed = (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      item->Click();
      HMENU sub = BuildMenu(*item, ids);
      AppendMenuA(menu, MF_POPUP | grayed, reinterpret_cast<UINT_PTR>(sub), item->Text().c_str());
    } else {
      UINT id = static_cast<UINT>(ids.size() + 1);
      ids[id] = item;
      AppendMenuA(menu, MF_STRING | grayed, id, item->Text().c_str());
    }
  }
  return menu;
}

}  // namespace ui::win32

namespace ui::backend {

MenuItem* TrackPopup(MenuItem& root, Point at) {
  std::map<UINT, MenuItem*> ids;
  HMENU menu = win32::BuildMenu(root, ids);
  HWND owner = GetActiveWindow() ? GetActiveWindow() : win32::AppWindow();
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
  DestroyMenu(menu);
  auto it = ids.find(chosen);
  return it == ids.end() ? nullptr : it->second;
}

}  // namespace ui::backend
