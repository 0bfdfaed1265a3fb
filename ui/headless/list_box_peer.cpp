#include "ui/headless/peers.h"
#include "ui/list_box.h"

namespace ui::headless {

namespace {

// As the platform's list box with notification: a press of the left button on a row selects it
// and tells the control; below the last row the selection stays.
class ListBoxPeerImpl : public WindowPeerAs<ListBoxPeer> {
 public:
  explicit ListBoxPeerImpl(ListBox& list) : WindowPeerAs(list), list_(list) {}

  void SetItems(const std::vector<std::string>& items) override {
    rows_ = items;
    selected_ = -1;
    invalid_ = true;
  }
  int ItemIndex() override { return selected_; }
  void SetItemIndex(int index) override {
    selected_ = index >= 0 && index < static_cast<int>(rows_.size()) ? index : -1;
    invalid_ = true;
  }
  void SetFont(const Font& font) override { row_height_ = font.PixelHeight() + 1; }
  void SetFocus() override { TakeFocus(); }

  void ButtonDown(MouseButton b, Point at) override {
    if (b != MouseButton::Left || !enabled()) return;
    TakeFocus();
    int row = at.y / row_height_;
    if (at.y < 0 || row >= static_cast<int>(rows_.size()) || row == selected_) return;
    selected_ = row;
    invalid_ = true;
    list_.HandleClick();
  }

  void KeyDown(int key) override {
    if (key == kKeyEnter && list_.WantsKey(kKeyEnter)) list_.HandleDoubleClick();
  }

  // The second press of a double click, on the row the first selected.
  void ButtonDoubleClick(MouseButton b, Point at) override {
    if (b != MouseButton::Left || !enabled() || at.y < 0 || at.y / row_height_ >= static_cast<int>(rows_.size())) return;
    list_.HandleDoubleClick();
  }

  const std::vector<std::string>& rows() const { return rows_; }
  int row_height() const { return row_height_; }

 private:
  ListBox& list_;
  std::vector<std::string> rows_;
  int selected_ = -1;
  int row_height_ = 13;
};

}  // namespace

std::vector<std::string> ListBoxRows(const ListBox& list) {
  return dynamic_cast<const ListBoxPeerImpl&>(*list.Peer()).rows();
}

Point ListBoxRowPoint(const ListBox& list, int row) {
  int h = dynamic_cast<const ListBoxPeerImpl&>(*list.Peer()).row_height();
  return {2, row * h + h / 2};
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<ListBoxPeer> NewListBoxPeer(ListBox& list, WindowPeer&) {
  auto peer = std::make_unique<headless::ListBoxPeerImpl>(list);
  peer->SetBounds(list.GetBounds());
  return peer;
}

}  // namespace ui::backend
