#include <memory>

#include "ui/headless/peers.h"
#include "ui/panel.h"

namespace ui::headless {

namespace {

// As the platform's panel window: the pointer's presses, moves and releases over it.
class PanelPeerImpl : public WindowPeerImpl {
 public:
  explicit PanelPeerImpl(Panel& panel) : WindowPeerImpl(panel), panel_(panel) {}
  void ButtonDown(MouseButton button, Point at) override { panel_.HandleMouseDown(button, at); }
  void MouseMove(Point at) override { panel_.HandleMouseMove(at); }
  void ButtonUp(MouseButton button, Point at) override { panel_.HandleMouseUp(button, at); }

 private:
  Panel& panel_;
};

}  // namespace

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer&) {
  auto peer = std::make_unique<headless::PanelPeerImpl>(panel);
  peer->SetBounds(panel.GetBounds());
  return peer;
}

}  // namespace ui::backend
