#pragma once
// What a text control last read of its layout from the platform: the line count, the last lines
// read and the width inside the border. It holds until the text or anything its layout depends
// on may have changed, so that a window's timer asking again of a text at rest asks the
// platform nothing.

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace ui {

class LayoutMemory {
 public:
  const std::string* Line(int index) const {
    for (const auto& [at, text] : lines_) {
      if (at == index) return &text;
    }
    return nullptr;
  }
  const std::string& KeepLine(int index, std::string text) {
    auto& slot = lines_[next_];
    next_ = (next_ + 1) % lines_.size();
    slot = {index, std::move(text)};
    return slot.second;
  }

  std::optional<int> line_count;
  std::optional<int> client_width;

  void Forget() {
    line_count.reset();
    client_width.reset();
    for (auto& slot : lines_) slot.first = kNone;
  }

 private:
  static constexpr int kNone = -1;
  // A timer's tick reads the few lines around a place in the text: eight cover them.
  std::array<std::pair<int, std::string>, 8> lines_ = [] {
    std::array<std::pair<int, std::string>, 8> slots;
    for (auto& slot : slots) slot.first = kNone;
    return slots;
  }();
  std::size_t next_ = 0;
};

}  // namespace ui
