#include "ui/headless/form_peer.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "ui/desktop.h"
#include "ui/headless/desktop.h"
#include "ui/headless/world.h"

namespace ui::headless {

namespace {

void Remove(std::vector<FormPeerImpl*>& list, FormPeerImpl* peer) {
  list.erase(std::remove(list.begin(), list.end(), peer), list.end());
}

// A menu bar's line, as Wine draws one, above the client area.
constexpr int kMenuBarHeight = 19;

}  // namespace

Size FrameFor(const FrameStyle& f) {
  switch (f.border) {
    case BorderStyle::None:
      return {0, 0};
    case BorderStyle::Single:
    case BorderStyle::Dialog:
      return {6, 25};
    case BorderStyle::ToolWindow:
      return {6, 22};
    case BorderStyle::Sizeable:
      return {8, 27};
    case BorderStyle::SizeToolWin:
      return {8, 24};
  }
  return {0, 0};
}

FormPeerImpl& PeerOf(const Form& form) { return static_cast<FormPeerImpl&>(form.Native()); }

FormPeerImpl::FormPeerImpl(Form& form) : WindowPeerAs(form), form_(form) {
  visible_ = false;
  bounds_ = form.GetBounds();
  TheWorld().z_order.push_back(this);
}

FormPeerImpl::~FormPeerImpl() { Remove(TheWorld().z_order, this); }

void FormPeerImpl::SetVisible(bool visible) {
  WindowPeerImpl::SetVisible(visible);
  if (visible) BringToFront();
}

// An activated window gives the keyboard to its active control, as the platform's does.
void FormPeerImpl::Show(bool activate) {
  WindowPeerImpl::SetVisible(true);
  Invalidate({});
  if (activate) {
    BringToFront();
    if (WinControl* active = form_.ActiveControl()) PeerOf(*active).TakeFocus();
  }
  Update();
}

// Windows that stay on top keep in front of all others.
void FormPeerImpl::BringToFront() {
  auto& z = TheWorld().z_order;
  Remove(z, this);
  auto pos = z.begin();
  if (!frame_.stay_on_top) {
    pos = std::find_if(z.begin(), z.end(), [](FormPeerImpl* p) { return !p->frame_.stay_on_top; });
  }
  z.insert(pos, this);
}

Size FormPeerImpl::FrameSize() {
  Size frame = FrameFor(frame_);
  if (menu_) frame.height += kMenuBarHeight;
  return frame;
}

Point FormPeerImpl::ClientOrigin() const {
  Size frame = FrameFor(frame_);
  int border = frame.width / 2;
  return {border, frame.height - border + (menu_ ? kMenuBarHeight : 0)};
}

void FormPeerImpl::SetMenu(MenuItem* root) {
  menu_ = root;
  menu_bar_ = root ? BuildLevel(*root) : std::vector<BuiltMenuItem>{};
}

// The bar is built again as the user goes to it; each menu on the way runs its handler and is
// built as it opens. The choice comes back to the window after the menus have closed.
void FormPeerImpl::ChooseFromMenuBar(const std::vector<std::string>& captions) {
  if (!menu_) return;
  menu_bar_ = BuildLevel(*menu_);
  std::vector<BuiltMenuItem>* level = &menu_bar_;
  MenuItem* chosen = nullptr;
  for (const std::string& caption : captions) {
    auto entry = std::find_if(level->begin(), level->end(),
                              [&](const BuiltMenuItem& e) { return !e.separator && ShowsCaption(e.caption, caption); });
    if (entry == level->end() || entry->grayed) return;
    if (!entry->popup) {
      chosen = entry->item;
      break;
    }
    entry->item->Click();
    entry->submenu = BuildLevel(*entry->item);
    level = &entry->submenu;
  }
  if (!chosen) return;
  TheWorld().posted.push_back([chosen] { chosen->Click(); });
}

// The platform tells a window of every move, the program's own and the user's.
void FormPeerImpl::SetBounds(const Bounds& b) {
  bool moved = b.left != bounds_.left || b.top != bounds_.top;
  WindowPeerImpl::SetBounds(b);
  if (moved) form_.HandleMoved();
}

// Coming back on the screen invalidates the window; nothing else changes.
void FormPeerImpl::SetShownInPlace(bool shown) {
  if (shown != off_screen_) return;
  off_screen_ = !shown;
  if (shown) invalid_ = true;
  TheWorld().desktop_log.push_back((shown ? "show " : "hide ") + form_.ClassName());
}

void FormPeerImpl::CaptureBackdrop() {
  backdrop_.clear();
  std::uintptr_t self = desktop::IdOf(form_);
  for (const DesktopWindow& w : desktop::WindowsTopDown()) {
    if (w.id == self || !w.visible || !w.bounds.Intersects(bounds_)) continue;
    backdrop_.push_back(DesktopWindowName(w));
  }
  TheWorld().desktop_log.push_back("backdrop " + form_.ClassName());
}

// As the desktop answers: the client area inside the frame, the menu bar above it and the
// caption band above that, the borders and all outside the window something else. The form has
// the last word.
HitArea FormPeerImpl::HitTest(Point client) {
  Size frame = FrameSize();
  int border = FrameFor(frame_).width / 2;
  int width = bounds_.width - frame.width, height = bounds_.height - frame.height;
  int bar = menu_ ? kMenuBarHeight : 0, caption_top = border - ClientOrigin().y;
  bool across = client.x >= 0 && client.x < width;
  HitArea platform = HitArea::Other;
  if (across && client.y >= 0 && client.y < height)
    platform = HitArea::Client;
  else if (across && client.y < -bar && client.y >= caption_top)
    platform = HitArea::Caption;
  return form_.HitTest(platform);
}

void FormPeerImpl::DragFrom(Point client, Point to) {
  if (HitTest(client) == HitArea::Caption) MoveByUser(to);
}

// A move by the user changes the place only: the platform reports a move and no resize.
void FormPeerImpl::MoveByUser(Point to) { SetBounds({to.x, to.y, bounds_.width, bounds_.height}); }

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<FormPeer> NewFormPeer(Form& form) { return std::make_unique<headless::FormPeerImpl>(form); }

}  // namespace ui::backend
