#include "ui/list_box.h"

#include "ui/exception.h"

namespace ui {

ListBox::ListBox(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 121, 97};
  peer_ = backend::NewListBoxPeer(*this, *parent->Peer());
  SetColor(clWindow);
  peer_->SetFont(GetFont());
}

ListBox::~ListBox() = default;

WindowPeer* ListBox::Peer() const { return peer_.get(); }

void ListBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  peer_->SetItems(items_);
}

int ListBox::ItemIndex() const { return peer_->ItemIndex(); }

void ListBox::SetItemIndex(int index) {
  if (index >= static_cast<int>(items_.size())) index = -1;
  peer_->SetItemIndex(index < 0 ? -1 : index);
}

void ListBox::SetFocus() {
  FocusableForm();
  peer_->SetFocus();
}

void ListBox::HandleClick() {
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

void ListBox::HandleDoubleClick() {
  Invoke([&] {
    if (OnDblClick && ItemIndex() >= 0) OnDblClick();
  });
}

void ListBox::FontChanged() {
  WinControl::FontChanged();
  if (peer_) peer_->SetFont(GetFont());
}

}  // namespace ui
