#pragma once
// Menus: items with captions (a caption of "-" is a separator, "&F" underlines the key that
// picks it), nested into submenus; the context menu that opens at the pointer, and the menu bar
// of a window.

#include <functional>
#include <string>
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

  void Add(MenuItem& item) { items_.push_back(&item); }
  const std::vector<MenuItem*>& Items() const { return items_; }

  // A submenu's handler runs each time it opens, an item's when it is chosen.
  std::function<void()> OnClick;
  void Click();

 private:
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  std::vector<MenuItem*> items_;
};

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

 private:
  MenuItem root_;
};

namespace backend {
// The item the user chose from the menu opened at `at`, or null.
MenuItem* TrackPopup(MenuItem& root, Point at);
}  // namespace backend

}  // namespace ui
