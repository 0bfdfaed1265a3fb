#include "ui/timer.h"
#include "ui/win32/native.h"

namespace ui::win32 {

namespace {

constexpr char kTimerClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

// Each timer has a message-only window of its own, so that a tick never reaches a timer that
// is gone.
class TimerWindow : public TimerPeer, public MessageTarget {
 public:
  explicit TimerWindow(Timer& timer) : timer_(timer) {
    RegisterClassOnce(kTimerClass, 0);
    hwnd_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Instance(),
                            static_cast<MessageTarget*>(this));
  }
  ~TimerWindow() override {
    KillTimer(hwnd_, kTimerId);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

  void Schedule(int interval_ms) override {
    KillTimer(hwnd_, kTimerId);
    if (interval_ms > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_ms), nullptr);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_TIMER) {
      timer_.HandleTick();
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

 private:
  Timer& timer_;
  HWND hwnd_ = nullptr;
};

}  // namespace

}  // namespace ui::win32

namespace ui::backend {
std::unique_ptr<TimerPeer> NewTimerPeer(Timer& timer) { return std::make_unique<win32::TimerWindow>(timer); }
}  // namespace ui::backend
