#include "ui/button.h"

#include "ui/exception.h"
#include "ui/form.h"

namespace ui {

Button::Button(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 75, 25};
  peer_ = backend::NewButtonPeer(*this, *parent->Peer());
  peer_->SetFont(GetFont());
}

Button::~Button() = default;

WindowPeer* Button::Peer() const { return peer_.get(); }

void Button::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  peer_->SetCaption(caption_);
}

void Button::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  peer_->SetDefault(on);
}

void Button::SetFocus() {
  FocusableForm();
  peer_->SetFocus();
}

void Button::Click() {
  if (modal_result_ != ModalResult::None) {
    if (Form* form = OwningForm()) form->SetModalResult(modal_result_);
  }
  Invoke([&] {
    if (OnClick) OnClick();
  });
}

void Button::FontChanged() {
  WinControl::FontChanged();
  if (peer_) peer_->SetFont(GetFont());
}

}  // namespace ui
