#pragma once
// Control: what every visible part of a window has (place, size, visibility, font, colour).
// WinControl: a control with a window of its own on the platform, which holds other controls
// and paints its graphic children (labels, shapes) on its own surface.

#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/peers.h"
#include "ui/types.h"

namespace ui {

class WinControl;
class Form;

class Control {
 public:
  explicit Control(WinControl* parent);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  WinControl* Parent() const { return parent_; }
  std::string Name;

  virtual Bounds GetBounds() const { return bounds_; }
  void SetBounds(const Bounds& b);
  int Left() const { return GetBounds().left; }
  int Top() const { return GetBounds().top; }
  int Width() const { return GetBounds().width; }
  int Height() const { return GetBounds().height; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);

  virtual bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  Align GetAlign() const { return align_; }
  void SetAlign(Align a);

  // Fonts and colours follow the parent's until set on the control itself.
  const Font& GetFont() const;
  void SetFont(const Font& f);
  Color GetColor() const;
  void SetColor(Color c);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // Shown as a tooltip while the pointer rests on a windowed control; empty for none.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // The top-level window the control lies on (itself for a window).
  Form* OwningForm();
  // The window the control can take the keyboard in: shown, with the control shown and enabled
  // (and, if asked, the window enabled too); otherwise the platform's error is thrown.
  Form& FocusableForm(bool window_enabled_too = false);

  void Invalidate();
  // Paints the control at once, without waiting for the event loop.
  virtual void Repaint();

  virtual bool IsWindowed() const { return false; }
  // Graphic controls draw themselves on their parent's canvas, in parent client coordinates.
  virtual void Paint(Canvas&) {}

 protected:
  virtual void BoundsChanged(const Bounds& old);
  virtual void VisibleChanged();
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  void ParentFontChanged();

  Bounds bounds_;
  bool visible_ = true;

 private:
  friend class WinControl;
  WinControl* parent_;
  Align align_ = Align::None;
  Font font_;
  bool parent_font_ = true;
  Color color_ = clBtnFace;
  bool parent_color_ = true;
  bool enabled_ = true;
  std::string hint_;
};

class WinControl : public Control {
 public:
  using Control::Control;
  ~WinControl() override;

  bool IsWindowed() const override { return true; }
  virtual WindowPeer* Peer() const = 0;
  const std::vector<Control*>& Controls() const { return children_; }
  Size ClientSize() const;

  void Repaint() override;
  void Realign();

  // Keyboard: whether Tab reaches the control, and whether it keeps a dialog key (Tab, Enter,
  // Esc) for itself rather than let its window act on it.
  virtual bool TabStop() const { return false; }
  virtual bool WantsKey(int /*key*/) const { return false; }
  virtual void SetFocus() {}

  // Entry points of the backend's paint: the background, then the graphic children in order.
  virtual bool HandleEraseBackground(Canvas& canvas);
  virtual void HandlePaint(Canvas& canvas);

 protected:
  void BoundsChanged(const Bounds& old) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  virtual Size ClientSizeFor(const Bounds& b) const { return {b.width, b.height}; }
  // The part of the client area that aligned children share; a frame drawn inside the client
  // area keeps them off it.
  virtual Bounds AlignArea() const;

 private:
  friend class Control;
  std::vector<Control*> children_;
};

}  // namespace ui
