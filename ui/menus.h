#pragma once
// Menus: items with captions (a caption of "-" is a separator, "&F" underlines the key that
// picks it), nested into submenus; the context menu that opens at the pointer, and the menu bar
// of a window.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/types.h"

namespace ui {

class MenuItem {
 public:
  explicit MenuItem(std::string caption = "") : caption_(std::move(caption)) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on) { checked_ = on; }
  bool IsSeparator() const { return caption_ == "-"; }
  // The key, with the shift keys (ssShift, ssCtrl, ssAlt), that picks the item of a window's
  // menu bar from anywhere in that window; 0 for none.
  void SetShortCut(int key, unsigned shift = 0) {
    shortcut_key_ = key;
    shortcut_shift_ = shift;
  }
  bool HasShortCut(int key, unsigned shift) const {
    return shortcut_key_ != 0 && key == shortcut_key_ && shift == shortcut_shift_;
  }
  // What the menu shows: the caption, and after a TAB the shortcut ("Ctrl+F", "Shift+F3").
  std::string Text() const;

  void Add(MenuItem& item) { items_.push_back(&item); }
  const std::vector<MenuItem*>& Items() const { return items_; }

  // A submenu's handler runs each time it opens, an item's when it is chosen.
  std::function<void()> OnClick;
  void Click();

 private:
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  int shortcut_key_ = 0;
  unsigned shortcut_shift_ = 0;
  std::vector<MenuItem*> items_;
};

// Whether a menu's shown text is the item of that caption: the shortcut after it left aside.
inline bool ShowsCaption(std::string_view shown, std::string_view caption) {
  return shown.substr(0, shown.find('\t')) == caption;
}

class PopupMenu {
 public:
  void Add(MenuItem& item) { root_.Add(item); }
  const std::vector<MenuItem*>& Items() const { return root_.Items(); }
  // Whether a right click on its control opens it by itself.
  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool on) { auto_popup_ = on; }
  // Opens at a point of the screen and runs the item chosen, if any.
  void Popup(Point at);
  MenuItem& Root() { return root_; }

 private:
  MenuItem root_;
  bool auto_popup_ = true;
};

// A window's menu bar (Form::SetMenu): its top-level items are the menus on the bar. The bar
// shows the items' state as it is when the window takes the menu and each time the user goes
// to the bar; a menu's items, each time it opens, after its handler has run.
class MainMenu {
 public:
  void Add(MenuItem& item) { root_.Add(item); }
  const std::vector<MenuItem*>& Items() const { return root_.Items(); }
  MenuItem& Root() { return root_; }
  // Runs the enabled item that the key picks, its menus' handlers first, as opening them would;
  // true when an item has that shortcut, enabled or not.
  bool PickShortCut(int key, unsigned shift);

 private:
  MenuItem root_;
};

namespace backend {
// The item the user chose from the menu opened at `at`, or null.
MenuItem* TrackPopup(MenuItem& root, Point at);
}  // namespace backend

}  // namespace ui
