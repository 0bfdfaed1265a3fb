#pragma once
// Failures are exceptions carrying the text the user will see.

#include <string>

#include "core/error.h"

namespace ui {

// The toolkit's failures; the logic floor's core::Error is shown alike.
class Exception : public core::Error {
 public:
  explicit Exception(const std::string& message) : core::Error(message) {}
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
