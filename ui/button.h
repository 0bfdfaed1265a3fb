#pragma once
// A push button of the platform: a caption, a click handler, and its part in a dialog. A button
// with a modal result ends its modal window with that result when pressed; the cancel button is
// pressed by Esc, the default button by Enter, anywhere in its window.

#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class ButtonPeer;

class Button : public WinControl {
 public:
  explicit Button(WinControl* parent);
  ~Button() override;

  WindowPeer* Peer() const override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  ModalResult GetModalResult() const { return modal_result_; }
  void SetModalResult(ModalResult r) { modal_result_ = r; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  bool Default() const { return default_; }
  void SetDefault(bool on);

  // Gives the button the keyboard; a hidden or disabled window cannot take it.
  void SetFocus() override;
  bool TabStop() const override { return true; }

  std::function<void()> OnClick;
  // As the user's press: the modal result goes to the window first, then the handler runs.
  void Click();

  // Entry point of the backend: the platform pressed the button (mouse, space bar).
  void HandleClick() { Click(); }

 protected:
  void FontChanged() override;

 private:
  std::string caption_;
  ModalResult modal_result_ = ModalResult::None;
  bool cancel_ = false;
  bool default_ = false;
  std::unique_ptr<ButtonPeer> peer_;
};

}  // namespace ui
