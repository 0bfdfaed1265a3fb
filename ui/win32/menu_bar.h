#pragma once
// A window's menu bar on the platform: built from the items, each menu filled again as it opens,
// the items' commands routed back to them.

#include <map>

#include "ui/menus.h"
#include "ui/win32/native.h"

namespace ui::win32 {

class MenuBar {
 public:
  MenuBar() = default;
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;
  ~MenuBar();

  // The bar of the items below `root` on the window, or none.
  void Attach(HWND window, MenuItem* root);
  // WM_INITMENU: the user goes to the bar.
  void Refresh();
  // WM_INITMENUPOPUP: false for a menu that is not the bar's.
  bool Opening(HMENU menu);
  // WM_COMMAND from a menu: the item chosen, or null.
  MenuItem* Chosen(UINT id) const;

 private:
  void Fill(HMENU menu, const MenuItem& parent);
  void Forget(HMENU menu);
  UINT IdOf(MenuItem* item);

  HWND window_ = nullptr;
  MenuItem* root_ = nullptr;
  HMENU bar_ = nullptr;
  std::map<HMENU, MenuItem*> menus_;  // the bar's submenus, by the item that opens them
  std::map<MenuItem*, UINT> ids_;
  std::map<UINT, MenuItem*> items_;
};

}  // namespace ui::win32
