#pragma once
// A scroll box: a window with a vertical scroll bar over a fixed range of pixels. Scrolling moves
// its children up and down; the range stays what the program set, whatever the children's size.

#include <memory>

#include "ui/control.h"

namespace ui {

// What the user asks of a scroll bar: a line, a page, either end, or the thumb dragged to a place.
enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

// What the scroll bar shows: the whole range, the part in view and where that part starts.
struct ScrollBarState {
  int range = 0, page = 0, position = 0;
  friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

class ScrollBoxPeer : public WindowPeer {
 public:
  // The bar's whole range, the part in view and where that part starts; all in pixels.
  virtual void SetScrollBar(int range, int page, int position) = 0;
  virtual int ScrollBarWidth() = 0;
};

class ScrollBox : public WinControl {
 public:
  static constexpr int kLine = 12;  // one line of the help text

  explicit ScrollBox(WinControl* parent);
  ~ScrollBox() override;

  WindowPeer* Peer() const override;

  int Range() const { return range_; }
  void SetRange(int pixels);
  // The pixel of the range at the top of the view: 0 to Range() less the view's height.
  int Position() const { return position_; }
  void SetPosition(int pixels);

  // Entry points of the backend: the user's use of the scroll bar (the thumb's place for
  // Thumb), and the wheel, in notches down (negative: up).
  void HandleScroll(ScrollRequest request, int thumb = 0);
  void HandleWheel(int notches_down);

 protected:
  void BoundsChanged(const Bounds& old) override;
  Size ClientSizeFor(const Bounds& b) const override;

 private:
  int MaxPosition() const;
  void SendBar();

  int range_ = 0;
  int position_ = 0;
  std::unique_ptr<ScrollBoxPeer> peer_;
};

namespace backend {
std::unique_ptr<ScrollBoxPeer> NewScrollBoxPeer(ScrollBox& box, WindowPeer& parent);
}  // namespace backend

}  // namespace ui
