// The memo window's margin looks see-through: before each paint the memo leaves the screen, the
// windows beneath it repaint, and their pixels become the margin's background; the title line is
// then drawn over them.

#include "memo/memo_window.h"
#include "ui/desktop.h"

void TForm1::RefreshBackdrop() {
  if (refreshing_backdrop_) return;
  refreshing_backdrop_ = true;
  HideInPlace();
  ui::Bounds area = GetBounds();
  std::uintptr_t self = ui::desktop::IdOf(*this);
  for (const ui::DesktopWindow& w : ui::desktop::WindowsTopDown()) {
    if (w.id != self && w.visible && w.bounds.Intersects(area)) ui::desktop::RepaintNow(w);
  }
  CaptureBackdrop();
  ShowInPlace();
  refreshing_backdrop_ = false;
}
