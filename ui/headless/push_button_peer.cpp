#include "ui/button.h"
#include "ui/headless/peers.h"

namespace ui::headless {

namespace {

// As the platform's push button: pressed by the left button released inside it, or by the
// space bar going down and up while it has the keyboard.
class PushButtonPeerImpl : public WindowPeerImpl, public ButtonPeer {
 public:
  explicit PushButtonPeerImpl(Button& button) : WindowPeerImpl(button), button_(button) {}

  void SetBounds(const Bounds& b) override { WindowPeerImpl::SetBounds(b); }
  void SetVisible(bool visible) override { WindowPeerImpl::SetVisible(visible); }
  void SetEnabled(bool enabled) override { WindowPeerImpl::SetEnabled(enabled); }
  void Invalidate(const Bounds& area) override { WindowPeerImpl::Invalidate(area); }
  void Update() override { WindowPeerImpl::Update(); }
  void Redraw() override { WindowPeerImpl::Redraw(); }

  void SetCaption(const std::string& caption) override {
    caption_ = caption;
    invalid_ = true;
  }
  const std::string& caption() const { return caption_; }
  void SetFont(const Font&) override { invalid_ = true; }
  void SetDefault(bool) override { invalid_ = true; }
  void SetFocus() override { TakeFocus(); }

  void ButtonDown(MouseButton b, Point) override {
    if (b != MouseButton::Left || !enabled()) return;
    TakeFocus();
    pushed_ = true;
  }
  void ButtonUp(MouseButton b, Point at) override {
    if (b != MouseButton::Left || !pushed_) return;
    pushed_ = false;
    if (at.x >= 0 && at.y >= 0 && at.x < bounds_.width && at.y < bounds_.height) button_.HandleClick();
  }
  void KeyDown(int key) override {
    if (key == kKeySpace && enabled()) pushed_ = true;
  }
  void KeyUp(int key) override {
    if (key != kKeySpace || !pushed_) return;
    pushed_ = false;
    button_.HandleClick();
  }

 private:
  Button& button_;
  std::string caption_;
  bool pushed_ = false;
};

}  // namespace

std::string PushButtonCaption(const Button& button) {
  return dynamic_cast<const PushButtonPeerImpl&>(*button.Peer()).caption();
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<ButtonPeer> NewButtonPeer(Button& button, WindowPeer&) {
  auto peer = std::make_unique<headless::PushButtonPeerImpl>(button);
  peer->SetBounds(button.GetBounds());
  return peer;
}

}  // namespace ui::backend
