#pragma once
// The message a call fails with, for tests that compare it with the text the user would see.

#include <functional>
#include <string>

#include "core/error.h"

// The message of the failure the user would see, or "(no failure)" when the call goes through.
inline std::string MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const core::Error& e) {
    return e.what();
  }
  return "(no failure)";
}
