#include "ui/check_box.h"

#include "ui/exception.h"

namespace ui {

CheckBox::CheckBox(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 97, 17};
  peer_ = backend::NewCheckBoxPeer(*this, *parent->Peer());
  peer_->SetFont(GetFont());
}

CheckBox::~CheckBox() = default;

WindowPeer* CheckBox::Peer() const { return peer_.get(); }

void CheckBox::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  peer_->SetCaption(caption_);
}

bool CheckBox::Checked() const {
  if (!checked_) checked_ = peer_->Checked();
  return *checked_;
}

void CheckBox::SetChecked(bool on) {
  checked_.reset();
  peer_->SetChecked(on);
}

void CheckBox::SetFocus() {
  FocusableForm();
  peer_->SetFocus();
}

void CheckBox::HandleClick() {
  checked_.reset();
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

void CheckBox::FontChanged() {
  WinControl::FontChanged();
  if (peer_) peer_->SetFont(GetFont());
}

}  // namespace ui
