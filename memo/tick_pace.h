#pragma once
// How often the memo's timer ticks. While the memo changes it ticks every millisecond (the
// platform makes that about every ten); once ten ticks in a row have changed nothing it ticks
// five times a second, until the memo hears of something that may change it (its text, a key,
// the mouse, a move, a show, a command, new settings), which sets it going fast again at once.
// What changes unheard of (the screen's size) is followed within a fifth of a second. A stopped
// timer (interval 0) is left stopped.

#include "ui/timer.h"

namespace memo {

inline constexpr int kTickMs = 1;
inline constexpr int kRestTickMs = 200;

class TickPace {
 public:
  explicit TickPace(ui::Timer& timer) : timer_(timer) {}

  // At the end of each tick: whether it changed anything the user sees.
  void Ticked(bool changed) {
    if (changed) {
      Wake();
    } else if (++quiet_ticks_ >= kQuietTicks && timer_.Interval() == kTickMs) {
      timer_.SetInterval(kRestTickMs);
    }
  }

  void Wake() {
    quiet_ticks_ = 0;
    if (timer_.Interval() == kRestTickMs) timer_.SetInterval(kTickMs);
  }

 private:
  static constexpr int kQuietTicks = 10;
  ui::Timer& timer_;
  int quiet_ticks_ = 0;
};

}  // namespace memo
