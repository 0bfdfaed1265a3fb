#pragma once
// Many short texts kept end to end in large blocks, each handed out as a view that stays valid
// while the arena lives (moving the arena keeps it valid too): the log sheet's captions, where a
// string of its own for each of 100,000 items costs more in bookkeeping than in text.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace core {

class TextArena {
 public:
  TextArena() = default;
  TextArena(TextArena&&) = default;
  TextArena& operator=(TextArena&&) = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  // A copy of the text in the arena.
  std::string_view Keep(std::string_view text);
  // The text, kept earlier, is no longer needed; its room is counted until the arena is remade.
  void LetGo(std::string_view text) { unused_ += text.size(); }
  // More room is held for texts let go than for texts in use: worth copying the living ones into
  // a new arena.
  bool MostlyUnused() const { return unused_ > kBlock && unused_ > used_ - unused_; }
  void Clear();

 private:
  static constexpr std::size_t kBlock = 64 * 1024;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t left_ = 0;  // free bytes at the end of the last block
  char* next_ = nullptr;  // the first of them
  std::size_t used_ = 0;  // bytes handed out
  std::size_t unused_ = 0;
};

inline std::string_view TextArena::Keep(std::string_view text) {
  if (text.empty()) return "";  // a view with a place, as a string's own data is
  if (text.size() > left_) {
    // A text longer than a block has a block of its own; the last block's free end is kept.
    const std::size_t size = std::max(text.size(), kBlock);
    auto block = std::make_unique<char[]>(size);
    char* at = block.get();
    if (size == kBlock || blocks_.empty()) {
      blocks_.push_back(std::move(block));
      next_ = at;
      left_ = size;
    } else {
      blocks_.insert(blocks_.end() - 1, std::move(block));
      std::copy(text.begin(), text.end(), at);
      used_ += text.size();
      return {at, text.size()};
    }
  }
  char* at = next_;
  std::copy(text.begin(), text.end(), at);
  next_ += text.size();
  left_ -= text.size();
  used_ += text.size();
  return {at, text.size()};
}

inline void TextArena::Clear() { *this = TextArena(); }

}  // namespace core
