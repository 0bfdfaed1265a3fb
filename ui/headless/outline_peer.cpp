#include "ui/headless/peers.h"
#include "ui/outline_view.h"

namespace ui::backend {

std::unique_ptr<WindowPeer> NewOutlinePeer(OutlineView& view, WindowPeer&) {
  auto peer = std::make_unique<headless::WindowPeerImpl>(view);
  peer->SetBounds(view.GetBounds());
  return peer;
}

}  // namespace ui::backend
