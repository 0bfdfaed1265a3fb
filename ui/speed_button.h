#pragma once
// A flat push button that does not stay down: a caption in its own font and colour, or a
// picture from the program's resources, and a hint shown as a tooltip.

#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"

namespace ui {

class SpeedButton : public WinControl {
 public:
  explicit SpeedButton(WinControl* parent);
  ~SpeedButton() override;

  WindowPeer* Peer() const override { return peer_.get(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Glyph() const { return glyph_; }
  void SetGlyph(const std::string& resource);
  bool Down() const { return down_; }

  std::function<void()> OnClick;
  void Click();

  // Entry points of the backend: the left button went down on it, and came up inside or not.
  void HandleMouseDown();
  void HandleMouseUp(bool inside);

  bool HandleEraseBackground(Canvas& canvas) override;
  void HandlePaint(Canvas& canvas) override;

 private:
  std::string caption_;
  std::string glyph_;
  bool down_ = false;
  std::unique_ptr<WindowPeer> peer_;
};

}  // namespace ui
