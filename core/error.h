#pragma once
// Failures are exceptions carrying the text the user will see; the toolkit's standard error box
// shows any of them, and its own exceptions are of this kind too.

#include <new>
#include <stdexcept>
#include <string>

namespace core {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr char kOutOfMemory[] = "メモリが足りません";

// The words the user reads for a failure: its own message, or, for memory that ran out (which
// the library names in its own words), the program's.
inline std::string MessageOf(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return kOutOfMemory;
  return e.what();
}

}  // namespace core
