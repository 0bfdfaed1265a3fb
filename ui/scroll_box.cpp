#include "ui/scroll_box.h"

#include <algorithm>

#include "ui/exception.h"

namespace ui {

ScrollBox::ScrollBox(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 185, 41};
  peer_ = backend::NewScrollBoxPeer(*this, *parent->Peer());
  SendBar();
}

ScrollBox::~ScrollBox() = default;

WindowPeer* ScrollBox::Peer() const { return peer_.get(); }

Size ScrollBox::ClientSizeFor(const Bounds& b) const {
  const int bar = peer_ ? peer_->ScrollBarWidth() : 0;
  return {std::max(0, b.width - bar), b.height};
}

int ScrollBox::MaxPosition() const { return std::max(0, range_ - ClientSize().height); }

void ScrollBox::SetRange(int pixels) {
  range_ = std::max(0, pixels);
  SetPosition(position_);
  SendBar();
}

// The children move by the change, each keeping its place within the range.
void ScrollBox::SetPosition(int pixels) {
  const int to = std::clamp(pixels, 0, MaxPosition());
  const int by = to - position_;
  position_ = to;
  if (by != 0) {
    for (Control* child : Controls()) child->SetTop(child->Top() - by);
  }
  SendBar();
}

void ScrollBox::HandleScroll(ScrollRequest request, int thumb) {
  Invoke([&] {
    const int page = ClientSize().height;
    switch (request) {
      case ScrollRequest::LineUp:
        SetPosition(position_ - kLine);
        break;
      case ScrollRequest::LineDown:
        SetPosition(position_ + kLine);
        break;
      case ScrollRequest::PageUp:
        SetPosition(position_ - page);
        break;
      case ScrollRequest::PageDown:
        SetPosition(position_ + page);
        break;
      case ScrollRequest::Top:
        SetPosition(0);
        break;
      case ScrollRequest::Bottom:
        SetPosition(MaxPosition());
        break;
      case ScrollRequest::Thumb:
        SetPosition(thumb);
        break;
    }
  });
}

void ScrollBox::HandleWheel(int notches_down) {
  Invoke([&] { SetPosition(position_ + notches_down * 3 * kLine); });
}

void ScrollBox::BoundsChanged(const Bounds& old) {
  WinControl::BoundsChanged(old);
  SetPosition(position_);
  SendBar();
}

void ScrollBox::SendBar() {
  if (peer_) peer_->SetScrollBar(range_, ClientSize().height, position_);
}

}  // namespace ui
