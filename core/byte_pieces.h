#pragma once
// Bytes handed on piece by piece, so that a file far larger than any one block of memory can be
// read or written without ever being held whole.

#include <functional>
#include <string>
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

// Everything a source hands on, as one string: for bytes that are small, or wanted whole.
inline std::string Gathered(const ByteSource& source) {
  std::string bytes;
  source([&bytes](std::string_view piece) { bytes += piece; });
  return bytes;
}

// Gathers what is appended into blocks of about a megabyte and hands each full one to the sink;
// Finish hands on the last.
class BlockWriter {
 public:
  explicit BlockWriter(const ByteSink& sink) : sink_(sink) { block_.reserve(kBlock); }
  // Room for `bytes` more: a block that would overflow is handed on first.
  void MakeRoom(std::size_t bytes) {
    if (!block_.empty() && block_.size() + bytes > kBlock) Flush();
  }
  std::string& Block() { return block_; }
  void Finish() { Flush(); }

 private:
  static constexpr std::size_t kBlock = 1 << 20;
  void Flush() {
    if (!block_.empty()) sink_(block_);
    block_.clear();
  }
  const ByteSink& sink_;
  std::string block_;
};

}  // namespace core
