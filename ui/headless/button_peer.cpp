#include "ui/headless/peers.h"
#include "ui/speed_button.h"

namespace ui::headless {

namespace {

// As the platform's button window: the left button's press and its release, which counts as a
// click only inside the button.
class ButtonPeerImpl : public WindowPeerImpl {
 public:
  explicit ButtonPeerImpl(SpeedButton& button) : WindowPeerImpl(button), button_(button) {}

  void ButtonDown(MouseButton button, Point) override {
    if (button == MouseButton::Left) button_.HandleMouseDown();
  }
  void ButtonUp(MouseButton button, Point at) override {
    if (button != MouseButton::Left) return;
    bool inside = at.x >= 0 && at.y >= 0 && at.x < bounds_.width && at.y < bounds_.height;
    button_.HandleMouseUp(inside);
  }

 private:
  SpeedButton& button_;
};

}  // namespace

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<WindowPeer> NewSpeedButtonPeer(SpeedButton& button, WindowPeer&) {
  auto peer = std::make_unique<headless::ButtonPeerImpl>(button);
  peer->SetBounds(button.GetBounds());
  return peer;
}

}  // namespace ui::backend
