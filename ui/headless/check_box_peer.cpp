#include "ui/check_box.h"
#include "ui/headless/peers.h"
#include "ui/headless/world.h"

namespace ui::headless {

namespace {

// As the platform's auto check box: a press toggles the box and tells the control.
class CheckBoxPeerImpl : public PressablePeer<CheckBoxPeer> {
 public:
  explicit CheckBoxPeerImpl(CheckBox& box) : PressablePeer(box), box_(box) {}

  void SetCaption(const std::string& caption) override {
    caption_ = caption;
    invalid_ = true;
  }
  void SetFont(const Font& font) override {
    text_color_ = font.color;
    invalid_ = true;
  }
  bool Checked() override {
    ++TheWorld().state_reads;
    return checked_;
  }
  void SetChecked(bool on) override {
    checked_ = on;
    invalid_ = true;
  }
  void SetFocus() override { TakeFocus(); }

  const std::string& caption() const { return caption_; }
  Color text_color() const { return text_color_; }

 private:
  void Pressed() override {
    checked_ = !checked_;
    invalid_ = true;
    box_.HandleClick();
  }

  CheckBox& box_;
  std::string caption_;
  Color text_color_ = clWindowText;
  bool checked_ = false;
};

}  // namespace

std::string CheckBoxCaption(const CheckBox& box) {
  return dynamic_cast<const CheckBoxPeerImpl&>(*box.Peer()).caption();
}

Color CheckBoxTextColor(const CheckBox& box) { return dynamic_cast<const CheckBoxPeerImpl&>(*box.Peer()).text_color(); }

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<CheckBoxPeer> NewCheckBoxPeer(CheckBox& box, WindowPeer&) {
  auto peer = std::make_unique<headless::CheckBoxPeerImpl>(box);
  peer->SetBounds(box.GetBounds());
  return peer;
}

}  // namespace ui::backend
