#include "ui/timer.h"

#include "ui/exception.h"

namespace ui {

Timer::Timer() : peer_(backend::NewTimerPeer(*this)) {}
Timer::~Timer() = default;

void Timer::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Reschedule();
}

void Timer::SetEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  Reschedule();
}

void Timer::SetOnTimer(std::function<void()> handler) {
  on_timer_ = std::move(handler);
  Reschedule();
}

void Timer::Reschedule() { peer_->Schedule(enabled_ && on_timer_ ? interval_ : 0); }

void Timer::HandleTick() {
  if (!enabled_ || interval_ == 0 || !on_timer_) return;
  Invoke(on_timer_);
}

}  // namespace ui
