#pragma once
// A timer of the event loop. It ticks whether or not its window is shown; an interval of 0,
// or no handler, stops it. Setting the interval restarts it.

#include <functional>
#include <memory>

#include "ui/peers.h"

namespace ui {

class Timer {
 public:
  Timer();
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  void SetOnTimer(std::function<void()> handler);

  // Entry point of the backend.
  void HandleTick();

 private:
  void Reschedule();

  int interval_ = 1000;
  bool enabled_ = true;
  std::function<void()> on_timer_;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace ui
