#include "ui/headless/peers.h"
#include "ui/scroll_box.h"

namespace ui::headless {

namespace {

// As the platform's window with a vertical scroll bar of 16 pixels: the bar's state, and the
// user's scrolling handed to the box.
class ScrollBoxPeerImpl : public WindowPeerAs<ScrollBoxPeer> {
 public:
  explicit ScrollBoxPeerImpl(ScrollBox& box) : WindowPeerAs(box), box_(box) {}

  void SetScrollBar(int range, int page, int position) override { bar_ = {range, page, position}; }
  int ScrollBarWidth() override { return 16; }

  ScrollBarState bar() const { return bar_; }
  void Scroll(ScrollRequest request, int thumb) { box_.HandleScroll(request, thumb); }
  void Wheel(int notches_down) { box_.HandleWheel(notches_down); }

 private:
  ScrollBox& box_;
  ScrollBarState bar_;
};

}  // namespace

ScrollBarState ScrollBarOf(const ScrollBox& box) { return dynamic_cast<const ScrollBoxPeerImpl&>(*box.Peer()).bar(); }

void ScrollByUser(ScrollBox& box, ScrollRequest request, int thumb) {
  dynamic_cast<ScrollBoxPeerImpl&>(*box.Peer()).Scroll(request, thumb);
}

void WheelByUser(ScrollBox& box, int notches_down) {
  dynamic_cast<ScrollBoxPeerImpl&>(*box.Peer()).Wheel(notches_down);
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<ScrollBoxPeer> NewScrollBoxPeer(ScrollBox& box, WindowPeer&) {
  auto peer = std::make_unique<headless::ScrollBoxPeerImpl>(box);
  peer->SetBounds(box.GetBounds());
  return peer;
}

}  // namespace ui::backend
