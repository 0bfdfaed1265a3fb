#pragma once
// Bytes handed on piece by piece, so that a file far larger than any one block of memory can be
// read or written without ever being held whole.

#include <functional>
#include <string_view>

namespace core {

// Takes the next piece; the bytes are valid only during the call.
using ByteSink = std::function<void(std::string_view)>;
// Hands every piece of some bytes to the sink, in order.
using ByteSource = std::function<void(const ByteSink&)>;

// A source of bytes that are already whole.
inline ByteSource WholeBytes(std::string_view bytes) {
  return [bytes](const ByteSink& sink) { sink(bytes); };
}

}  // namespace core
