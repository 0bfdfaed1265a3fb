#include <algorithm>
#include <vector>

#include "ui/timer.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kTimerClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

class TimerWindow;

// Every timer of the program shares one platform timer, set to the shortest interval among
// them: timers of the same short interval then wake the program once a period, not once each.
// Its window is message-only; each wake-up ticks the timers that are due.
class Heartbeat : public MessageTarget {
 public:
  static Heartbeat& Get() {
    static Heartbeat* beat = new Heartbeat;  // kept to the process's end, as its window is
    return *beat;
  }

  void Schedule(TimerWindow* timer, int interval_ms);
  void Remove(TimerWindow* timer) { Schedule(timer, 0); }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_TIMER) {
      Beat();
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

 private:
  struct Entry {
    TimerWindow* timer;
    int interval;
    DWORD due;  // GetTickCount wraps; due times are compared by difference
  };

  Heartbeat() {
    RegisterClassOnce(kTimerClass, 0);
    hwnd_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Instance(),
                            static_cast<MessageTarget*>(this));
  }
  void Beat();
  void SetPlatformTimer();

  HWND hwnd_ = nullptr;
  std::vector<Entry> entries_;
  int period_ = 0;
};

class TimerWindow : public TimerPeer {
 public:
  explicit TimerWindow(Timer& timer) : timer_(timer) {}
  ~TimerWindow() override { Heartbeat::Get().Remove(this); }

  void Schedule(int interval_ms) override { Heartbeat::Get().Schedule(this, interval_ms); }
  void Tick() { timer_.HandleTick(); }

 private:
  Timer& timer_;
};

void Heartbeat::Schedule(TimerWindow* timer, int interval_ms) {
  std::erase_if(entries_, [timer](const Entry& e) { return e.timer == timer; });
  if (interval_ms > 0) {
    entries_.push_back({timer, interval_ms, GetTickCount() + static_cast<DWORD>(interval_ms)});
  }
  SetPlatformTimer();
}

void Heartbeat::SetPlatformTimer() {
  int period = 0;
  for (const Entry& e : entries_) period = period == 0 ? e.interval : std::min(period, e.interval);
  if (period == period_) return;
  period_ = period;
  KillTimer(hwnd_, kTimerId);
  if (period > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(period), nullptr);
}

// A tick may stop, restart or destroy any timer, itself included: each due timer is looked up
// again before it ticks.
void Heartbeat::Beat() {
  const DWORD now = GetTickCount();
  std::vector<TimerWindow*> due;
  for (Entry& e : entries_) {
    // The timers the platform timer was set for tick at each of its wake-ups, however early.
    if (e.interval <= period_ || static_cast<LONG>(now - e.due) >= 0) {
      due.push_back(e.timer);
      e.due = now + static_cast<DWORD>(e.interval);
    }
  }
  for (TimerWindow* timer : due) {
    const bool still_there =
        std::any_of(entries_.begin(), entries_.end(), [timer](const Entry& e) { return e.timer == timer; });
    if (still_there) timer->Tick();
  }
}

}  // namespace

}  // namespace ui::win32

namespace ui::backend {
std::unique_ptr<TimerPeer> NewTimerPeer(Timer& timer) { return std::make_unique<win32::TimerWindow>(timer); }
}  // namespace ui::backend
