#include "ui/clock.h"

#include <cstdio>
#include <ctime>

#include "ui/headless/world.h"

namespace ui {

namespace {

std::tm Now() {
  headless::World& w = headless::TheWorld();
  std::time_t t = w.now + static_cast<std::time_t>(w.clock_ms / 1000);
  std::tm parts{};
  gmtime_r(&t, &parts);
  return parts;
}

}  // namespace

std::string ShortDateText() {
  std::tm t = Now();
  char text[64];
  // As Wine's Japanese locale writes it: no leading zeros.
  std::snprintf(text, sizeof text, "%04d/%d/%d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
  return text;
}

std::string LongTimeText() {
  std::tm t = Now();
  char text[64];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

unsigned Milliseconds() { return static_cast<unsigned>(headless::TheWorld().clock_ms); }

void Randomize() {
  headless::World& w = headless::TheWorld();
  w.random_state = static_cast<unsigned>(w.now + w.clock_ms);
}

// Picks the test has queued come first; then a fixed sequence, the same in every run.
int Random(int range) {
  headless::World& w = headless::TheWorld();
  if (!w.random_picks.empty()) {
    int pick = w.random_picks.front();
    w.random_picks.pop_front();
    return pick % range;
  }
  w.random_state = w.random_state * 1103515245u + 12345u;
  return static_cast<int>((w.random_state >> 16) % static_cast<unsigned>(range));
}

}  // namespace ui
