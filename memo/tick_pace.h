#pragma once
// How often the memo's timer ticks. While the memo changes it ticks every millisecond (the
// platform makes that about every ten); once ten ticks in a row have changed nothing it ticks
// five times a second, until the memo hears of something that may change it (its text, a key,
// the mouse, a move, a show, a command, new settings), which sets it going fast again at once.
// What changes unheard of (the screen's size) is followed within a fifth of a second. A stopped
// timer (interval 0) is left stopped.
//
// A tick whose own work took long (a resize of a long text, which the platform lays out anew)
// lets the next one take in as many lines as the ticks it held up would have: the memo grows
// as many lines a second as a small one does.

#include <algorithm>

#include "ui/timer.h"

namespace memo {

inline constexpr int kTickMs = 1;
inline constexpr int kRestTickMs = 200;

class TickPace {
 public:
  explicit TickPace(ui::Timer& timer) : timer_(timer) {}

  // At the end of each tick: whether it changed anything the user sees, and how long it took.
  void Ticked(bool changed, unsigned took_ms) {
    steps_ = static_cast<int>(std::min<unsigned>(1 + took_ms / kShortestTickMs, kMostSteps));
    if (changed) {
      Wake();
    } else if (++quiet_ticks_ >= kQuietTicks && timer_.Interval() == kTickMs) {
      timer_.SetInterval(kRestTickMs);
    }
  }

  // The lines the next tick takes in: one, unless this one was held up.
  int Steps() const { return steps_; }

  void Wake() {
    quiet_ticks_ = 0;
    if (timer_.Interval() == kRestTickMs) timer_.SetInterval(kTickMs);
  }

 private:
  static constexpr int kQuietTicks = 10;
  static constexpr unsigned kShortestTickMs = 10;  // the platform's shortest timer
  static constexpr unsigned kMostSteps = 64;
  ui::Timer& timer_;
  int quiet_ticks_ = 0;
  int steps_ = 1;
};

}  // namespace memo
