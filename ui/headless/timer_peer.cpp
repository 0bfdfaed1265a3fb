#include "ui/headless/timer_peer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/headless/world.h"

namespace ui::headless {

TimerPeerImpl::TimerPeerImpl(Timer& timer) : timer_(timer) { TheWorld().timers.push_back(this); }

TimerPeerImpl::~TimerPeerImpl() {
  auto& t = TheWorld().timers;
  t.erase(std::remove(t.begin(), t.end(), this), t.end());
}

void FireTimerRound(const std::function<bool(const TimerPeerImpl&)>& due) {
  std::vector<TimerPeerImpl*> firing;
  for (TimerPeerImpl* t : TheWorld().timers) {
    if (t->interval() > 0 && due(*t)) firing.push_back(t);
  }
  for (TimerPeerImpl* t : firing) t->timer().HandleTick();
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<TimerPeer> NewTimerPeer(Timer& timer) { return std::make_unique<headless::TimerPeerImpl>(timer); }

}  // namespace ui::backend
