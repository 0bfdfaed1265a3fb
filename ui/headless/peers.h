#pragma once
// The headless backend's peers: in-memory windows, timers and the application's event queue.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/button.h"
#include "ui/canvas.h"
#include "ui/check_box.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/headless/menus.h"
#include "ui/list_box.h"
#include "ui/peers.h"
#include "ui/scroll_box.h"
#include "ui/text_controls.h"
#include "ui/timer.h"

namespace ui::headless {

// Draws nothing; remembers the texts drawn, so that a test can read what a window shows.
class RecordingCanvas : public Canvas {
 public:
  void FillRect(const Bounds&, Color) override {}
  void Rectangle(const Bounds&, Color, int, Color, bool) override {}
  void TextOut(int, int, std::string_view text, const Font&, const Color*) override {
    texts.emplace_back(text);
  }
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

class FormPeerImpl : public WindowPeerAs<FormPeer> {
 public:
  explicit FormPeerImpl(Form& form);
  ~FormPeerImpl() override;

  // A form's window also moves, shows and hides as a top-level window.
  void SetBounds(const Bounds& b) override;
  void SetVisible(bool visible) override;

  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetImeMode(ImeMode mode) override { ime_ = mode; }
  ImeMode ime() const { return ime_; }
  void SetFrame(const FrameStyle& frame) override { frame_ = frame; }
  void Show(bool activate) override;
  void BringToFront() override;
  Bounds WindowBounds() override { return bounds_; }
  Size FrameSize() override;
  void SetShownInPlace(bool shown) override;
  void CaptureBackdrop() override;
  void SetMenu(MenuItem* root) override;
  // The menu bar as built: the top level when the window took it or the user last went to it,
  // a menu's items when it last opened.
  const std::vector<BuiltMenuItem>& menu_bar() const { return menu_bar_; }
  void ChooseFromMenuBar(const std::vector<std::string>& captions);
  // The windows whose pixels the last capture took, the front one first.
  const std::vector<std::string>& backdrop() const { return backdrop_; }
  // Visible, and not taken off the screen in place.
  bool on_screen() const { return visible_ && !off_screen_; }

  Form& form() const { return form_; }
  const std::string& caption() const { return caption_; }
  const FrameStyle& frame() const { return frame_; }
  // What a point of the window is: the desktop's answer by the frame, which the form may change.
  HitArea HitTest(Point client);
  // A press of the left button at a client point, dragged to a screen point: the platform moves
  // the window when the point is its caption.
  void DragFrom(Point client, Point to);
  // The user drags the window to a new place, as the platform's move would.
  void MoveByUser(Point to);
  // The user asks the window to close, by its system menu or its close box.
  void CloseByUser() { form_.HandleCloseRequest(); }

 protected:
  void BeforePaint() override { form_.HandlePaintRequest(); }

 private:
  Form& form_;
  std::vector<std::string> backdrop_;
  bool off_screen_ = false;
  std::string caption_;
  FrameStyle frame_;
  ImeMode ime_ = ImeMode::Off;
  MenuItem* menu_ = nullptr;
  std::vector<BuiltMenuItem> menu_bar_;
};

// The headless window of a control.
WindowPeerImpl& PeerOf(const WinControl& control);
// The scroll box's bar as the platform shows it, and the user's scrolling of it.
ScrollBarState ScrollBarOf(const ScrollBox& box);
void ScrollByUser(ScrollBox& box, ScrollRequest request, int thumb);
void WheelByUser(ScrollBox& box, int notches_down);
FormPeerImpl& PeerOf(const Form& form);

class TimerPeerImpl : public TimerPeer {
 public:
  explicit TimerPeerImpl(Timer& timer);
  ~TimerPeerImpl() override;
  void Schedule(int interval_ms) override { interval_ = interval_ms; }
  int interval() const { return interval_; }
  Timer& timer() const { return timer_; }

 private:
  Timer& timer_;
  int interval_ = 0;
};

// The caption a push button's window holds.
std::string PushButtonCaption(const Button& button);
// A check box's window: its caption and the colour it draws the caption in.
std::string CheckBoxCaption(const CheckBox& box);
Color CheckBoxTextColor(const CheckBox& box);
// A list box's window: its rows, and the point of a row in its client area.
std::vector<std::string> ListBoxRows(const ListBox& list);
Point ListBoxRowPoint(const ListBox& list, int row);

// One round of the timers: those due fire, in creation order. A handler may stop or start timers;
// those chosen at the start of the round fire.
void FireTimerRound(const std::function<bool(const TimerPeerImpl&)>& due);

}  // namespace ui::headless
