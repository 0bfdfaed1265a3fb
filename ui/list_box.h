#pragma once
// A list box of the platform: rows of text, one of which the user may select with a click.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ListBoxPeer;

class ListBox : public WinControl {
 public:
  explicit ListBox(WinControl* parent);
  ~ListBox() override;

  WindowPeer* Peer() const override;

  const std::vector<std::string>& Items() const { return items_; }
  // New rows leave none selected.
  void SetItems(const std::vector<std::string>& items);
  // The selected row, or -1 for none; the platform holds it, since the user selects.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Selected(int index) const { return index >= 0 && ItemIndex() == index; }

  void SetFocus() override;
  bool TabStop() const override { return true; }

  // The user selected a row.
  std::function<void()> OnClick;
  // The user double-clicked a row, which the first click selected, or pressed Enter on the
  // selected row; with a handler, the list keeps Enter from its window's default button.
  std::function<void()> OnDblClick;
  bool WantsKey(int key) const override { return key == kKeyEnter && OnDblClick != nullptr; }
  // Entry points of the backend: the user's click changed the selection; a double click.
  void HandleClick();
  void HandleDoubleClick();

 protected:
  void FontChanged() override;

 private:
  std::vector<std::string> items_;
  std::unique_ptr<ListBoxPeer> peer_;
};

}  // namespace ui
