#include "ui/button.h"
#include "ui/headless/peers.h"

namespace ui::headless {

namespace {

// As the platform's push button: a press tells the control.
class PushButtonPeerImpl : public PressablePeer<ButtonPeer> {
 public:
  explicit PushButtonPeerImpl(Button& button) : PressablePeer(button), button_(button) {}

  void SetCaption(const std::string& caption) override {
    caption_ = caption;
    invalid_ = true;
  }
  const std::string& caption() const { return caption_; }
  void SetFont(const Font&) override { invalid_ = true; }
  void SetDefault(bool) override { invalid_ = true; }
  void SetFocus() override { TakeFocus(); }

 private:
  void Pressed() override { button_.HandleClick(); }

  Button& button_;
  std::string caption_;
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
