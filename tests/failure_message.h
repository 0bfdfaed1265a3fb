#pragma once
// The message a call fails with, for tests that compare it with the text the user would see.

#include <functional>
#include <string>

#include "ui/exception.h"

// The toolkit exception's message, or "(no failure)" when the call goes through.
inline std::string MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ui::Exception& e) {
    return e.what();
  }
  return "(no failure)";
}
