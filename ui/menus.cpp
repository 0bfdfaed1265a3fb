#include "ui/menus.h"

#include "ui/exception.h"
#include "ui/text_controls.h"

namespace ui {

void MenuItem::Click() {
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

std::string MenuItem::Text() const {
  if (shortcut_key_ == 0) return caption_;
  std::string text = caption_ + "\t";
  if (shortcut_shift_ & ssCtrl) text += "Ctrl+";
  if (shortcut_shift_ & ssShift) text += "Shift+";
  if (shortcut_shift_ & ssAlt) text += "Alt+";
  if (shortcut_key_ >= kKeyF1 && shortcut_key_ < kKeyF1 + 12) {
    text += "F" + std::to_string(shortcut_key_ - kKeyF1 + 1);
  } else {
    text += static_cast<char>(shortcut_key_);  // a letter's or a digit's key is its character
  }
  return text;
}

namespace {
// The path from below `menu` to the item with the shortcut.
bool PathTo(MenuItem& menu, int key, unsigned shift, std::vector<MenuItem*>& path) {
  for (MenuItem* item : menu.Items()) {
    path.push_back(item);
    if (item->HasShortCut(key, shift) || PathTo(*item, key, shift, path)) return true;
    path.pop_back();
  }
  return false;
}
}  // namespace

bool MainMenu::PickShortCut(int key, unsigned shift) {
  std::vector<MenuItem*> path;
  if (!PathTo(root_, key, shift, path)) return false;
  for (MenuItem* menu : path) {
    if (!menu->Enabled()) return true;
    menu->Click();  // a menu's handler, as it opens; last, the item's own
  }
  return true;
}

void PopupMenu::Popup(Point at) {
  if (MenuItem* chosen = backend::TrackPopup(root_, at)) chosen->Click();
}

}  // namespace ui
