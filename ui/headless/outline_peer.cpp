#include "ui/headless/peers.h"
#include "ui/headless/world.h"
#include "ui/outline_view.h"

namespace ui::headless {

namespace {

// As the platform's outline window: a press of the left button takes the focus first, so that
// the pane is stored before the click shows another note; taking the focus is the view's enter.
class OutlinePeerImpl : public WindowPeerImpl {
 public:
  explicit OutlinePeerImpl(OutlineView& view) : WindowPeerImpl(view), view_(view) {}

  void ButtonDown(MouseButton button, Point at) override {
    if (button != MouseButton::Left) return;
    TakeFocus();
    view_.HandleMouseDown(at);
  }
  void ButtonDoubleClick(MouseButton button, Point at) override {
    if (button == MouseButton::Left) view_.HandleDoubleClick(at);
  }
  void MouseMove(Point at) override { view_.HandleMouseMove(at); }
  void KeyDown(int key) override { view_.HandleKeyDown(key, TheWorld().shift_held); }
  void Char(std::string_view ch) override {
    if (ch.size() == 1) view_.HandleChar(ch[0]);
  }

 protected:
  void FocusGained() override { view_.HandleEnter(); }

 private:
  OutlineView& view_;
};

}  // namespace

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<WindowPeer> NewOutlinePeer(OutlineView& view, WindowPeer&) {
  auto peer = std::make_unique<headless::OutlinePeerImpl>(view);
  peer->SetBounds(view.GetBounds());
  return peer;
}

}  // namespace ui::backend
