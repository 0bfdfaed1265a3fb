#pragma once
// The clock and the dates and times of the user's locale; the random numbers seeded from it.

#include <string>

namespace ui {

// Today in the system's short date format ("2026/12/9" under Wine in a Japanese locale).
std::string ShortDateText();
// The time now in the system's long time format ("8:05:09").
std::string LongTimeText();

// Milliseconds from some moment of the system's, only ever going forward: for timing work.
unsigned Milliseconds();

// Seeds the random numbers from the clock; Random(n) then gives 0 to n - 1.
void Randomize();
int Random(int range);

}  // namespace ui
