#pragma once
// A check box of the platform: a caption beside a box that the user's click or the space bar
// ticks and clears. The caption takes the control's font colour.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/control.h"

namespace ui {

class CheckBoxPeer;

class CheckBox : public WinControl {
 public:
  explicit CheckBox(WinControl* parent);
  ~CheckBox() override;

  WindowPeer* Peer() const override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The platform holds the state, which the user changes only by the click or key it reports:
  // the box is asked once after each report, never in between.
  bool Checked() const;
  void SetChecked(bool on);

  void SetFocus() override;
  bool TabStop() const override { return true; }

  // The user ticked or cleared the box.
  std::function<void()> OnClick;
  // Entry point of the backend: the platform toggled the box at the user's click or key.
  void HandleClick();

 protected:
  void FontChanged() override;

 private:
  std::string caption_;
  std::unique_ptr<CheckBoxPeer> peer_;
  mutable std::optional<bool> checked_;
};

}  // namespace ui
