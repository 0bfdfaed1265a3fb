#include "ui/menus.h"

#include "ui/exception.h"

namespace ui {

void MenuItem::Click() {
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

void PopupMenu::Popup(Point at) {
  if (MenuItem* chosen = backend::TrackPopup(root_, at)) chosen->Click();
}

}  // namespace ui
