#pragma once
// The headless backend's form window: a top-level window of the desktop, in its z-order, with
// its frame, menu bar and caption.

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/headless/menus.h"
#include "ui/headless/peers.h"
#include "ui/headless/world.h"

namespace ui::headless {

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
  Bounds WindowBounds() override {
    ++TheWorld().state_reads;
    return bounds_;
  }
  // Frame, caption and menu bar: the window's size outside its client area.
  Size FrameSize() override;
  // The client area's top left corner in the window: inside the border, below the caption and
  // the menu bar.
  Point ClientOrigin() const;
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

FormPeerImpl& PeerOf(const Form& form);

// The frame as Wine draws it: the borders left and right, and the caption and borders above and
// below the client area (a menu bar not counted).
Size FrameFor(const FrameStyle& frame);

}  // namespace ui::headless
