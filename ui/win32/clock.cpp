#include "ui/clock.h"

#include <cstdlib>

#include "ui/win32/native.h"

namespace ui {

std::string ShortDateText() {
  char text[80] = {};
  int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
}

std::string LongTimeText() {
  char text[80] = {};
  int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
}

unsigned Milliseconds() { return static_cast<unsigned>(GetTickCount()); }

void Randomize() { std::srand(static_cast<unsigned>(GetTickCount())); }

int Random(int range) { return std::rand() % range; }

}  // namespace ui
