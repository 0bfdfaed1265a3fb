#pragma once
// Failures are exceptions carrying the text the user will see; the toolkit's standard error box
// shows any of them, and its own exceptions are of this kind too.

#include <stdexcept>
#include <string>

namespace core {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace core
