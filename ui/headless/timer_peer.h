#pragma once
// The headless backend's timers: each fires when the test says, through the virtual clock
// (ui::probe::RunFor) or a round of every running timer (ui::headless::FireTimers).

#include <functional>

#include "ui/peers.h"
#include "ui/timer.h"

namespace ui::headless {

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

// One round of the timers: those due fire, in creation order. A handler may stop or start timers;
// those chosen at the start of the round fire.
void FireTimerRound(const std::function<bool(const TimerPeerImpl&)>& due);

}  // namespace ui::headless
