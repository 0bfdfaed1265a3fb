#pragma once
// Failures are exceptions carrying the text the user will see.

#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Runs a handler of the program; what it lets through is shown in the standard error box and
// the program goes on. Every event reaches the program through here.
template <class F>
void Invoke(F&& handler);

void ShowHandlerException(const std::exception& e);

template <class F>
void Invoke(F&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowHandlerException(e);
  }
}

}  // namespace ui
