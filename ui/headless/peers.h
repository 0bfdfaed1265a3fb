#pragma once
// The headless backend's windows: what every in-memory window of the platform holds, the kinds
// of window the controls' peers are made of, and what a test reads of the controls' windows.
// The form's window is in form_peer.h, the timers in timer_peer.h.

#include <string>
#include <string_view>
#include <vector>

#include "ui/button.h"
#include "ui/canvas.h"
#include "ui/check_box.h"
#include "ui/control.h"
#include "ui/list_box.h"
#include "ui/peers.h"
#include "ui/scroll_box.h"
#include "ui/text_controls.h"

namespace ui::headless {

// Draws nothing; remembers the texts drawn, so that a test can read what a window shows.
class RecordingCanvas : public Canvas {
 public:
  void FillRect(const Bounds&, Color) override {}
  void Rectangle(const Bounds&, Color, int, Color, bool) override {}
  void TextOut(int, int, std::string_view text, const Font&, const Color*) override { texts.emplace_back(text); }
  void DrawBitmap(int, int, const std::string& resource) override { texts.push_back("[" + resource + "]"); }
  std::vector<std::string> texts;
};

// What a window of the platform holds: its place, whether it shows, whether it needs paint.
class WindowPeerImpl : public WindowPeer {
 public:
  explicit WindowPeerImpl(WinControl& control) : control_(control) {}
  void SetBounds(const Bounds& b) override;
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void Invalidate(const Bounds& area) override;
  void Update() override;
  void Redraw() override {
    invalid_ = true;
    Update();
  }

  bool visible() const { return visible_; }
  bool enabled() const { return enabled_; }
  const Bounds& bounds() const { return bounds_; }
  int paints() const { return paints_; }
  int moves() const { return moves_; }
  int resizes() const { return resizes_; }

  // Input as the platform delivers it to the window: the pointer in client coordinates, the
  // keyboard's key going down, the character it makes (one byte, or a double-byte pair) and the
  // key coming up. A window does with it what its native counterpart does.
  virtual void ButtonDown(MouseButton, Point) {}
  virtual void MouseMove(Point) {}
  virtual void ButtonUp(MouseButton, Point) {}
  // The second press of a double-click, in place of its button down.
  virtual void ButtonDoubleClick(MouseButton, Point) {}
  virtual void KeyDown(int) {}
  virtual void Char(std::string_view) {}
  virtual void KeyUp(int) {}
  // The keyboard focus comes to the window, as the platform's SetFocus gives it; the window
  // hears of it when it did not have it.
  void TakeFocus();
  // A point of the window's client area on the screen.
  Point ClientToScreen(Point at) const;

 protected:
  WinControl& control_;
  Bounds bounds_;
  bool visible_ = true;

 protected:
  // Runs as the platform's paint request arrives, before the surface is painted.
  virtual void BeforePaint() {}
  // Runs once the window has taken the keyboard focus from another.
  virtual void FocusGained() {}

 private:
  void Paint();
  bool enabled_ = true;

 protected:
  bool invalid_ = false;

 private:
  int paints_ = 0, moves_ = 0, resizes_ = 0;
};

// A window that is also a control's own kind of peer (a form's, a text's, a button's): the
// in-memory window answers the primitives of both.
template <class Kind>
class WindowPeerAs : public WindowPeerImpl, public Kind {
 public:
  using WindowPeerImpl::WindowPeerImpl;
  void SetBounds(const Bounds& b) override { WindowPeerImpl::SetBounds(b); }
  void SetVisible(bool visible) override { WindowPeerImpl::SetVisible(visible); }
  void SetEnabled(bool enabled) override { WindowPeerImpl::SetEnabled(enabled); }
  void Invalidate(const Bounds& area) override { WindowPeerImpl::Invalidate(area); }
  void Update() override { WindowPeerImpl::Update(); }
  void Redraw() override { WindowPeerImpl::Redraw(); }
};

// A button of the platform's, of any kind: pressed by the left button released inside it, or by
// the space bar going down and up while it has the keyboard.
template <class Kind>
class PressablePeer : public WindowPeerAs<Kind> {
 public:
  using WindowPeerAs<Kind>::WindowPeerAs;

  void ButtonDown(MouseButton b, Point) override {
    if (b != MouseButton::Left || !this->enabled()) return;
    this->TakeFocus();
    pushed_ = true;
  }
  void ButtonUp(MouseButton b, Point at) override {
    if (b != MouseButton::Left || !pushed_) return;
    pushed_ = false;
    const Bounds& bounds = this->bounds_;
    if (at.x >= 0 && at.y >= 0 && at.x < bounds.width && at.y < bounds.height) Pressed();
  }
  void KeyDown(int key) override {
    if (key == kKeySpace && this->enabled()) pushed_ = true;
  }
  void KeyUp(int key) override {
    if (key != kKeySpace || !pushed_) return;
    pushed_ = false;
    Pressed();
  }

 protected:
  virtual void Pressed() = 0;

 private:
  bool pushed_ = false;
};

// The headless window of a control.
WindowPeerImpl& PeerOf(const WinControl& control);
// The scroll box's bar as the platform shows it, and the user's scrolling of it.
ScrollBarState ScrollBarOf(const ScrollBox& box);
void ScrollByUser(ScrollBox& box, ScrollRequest request, int thumb);
void WheelByUser(ScrollBox& box, int notches_down);
// The caption a push button's window holds.
std::string PushButtonCaption(const Button& button);
// A check box's window: its caption and the colour it draws the caption in.
std::string CheckBoxCaption(const CheckBox& box);
Color CheckBoxTextColor(const CheckBox& box);
// A list box's window: its rows, and the point of a row in its client area.
std::vector<std::string> ListBoxRows(const ListBox& list);
Point ListBoxRowPoint(const ListBox& list, int row);

}  // namespace ui::headless
