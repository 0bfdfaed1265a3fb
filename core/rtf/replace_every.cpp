#include "core/rtf/replace_every.h"

#include <algorithm>
#include <limits>

#include "core/cp932.h"

namespace core::rtf {

// One step per character: a text of double-byte characters is searched in about the time it
// takes to read it.
Occurrences EveryOccurrence(std::string_view text, std::string_view find, std::size_t from, int from_position) {
  Occurrences found;
  if (find.empty()) return found;
  // The pattern's characters agree with the text's from a character start on, so its bytes can
  // be compared one by one, a single-byte character's folded.
  std::vector<bool> single(find.size(), false);
  for (std::size_t k = 0; k < find.size(); k += cp932::CharLength(find, k)) single[k] = cp932::CharLength(find, k) == 1;
  auto matches = [&](std::size_t i) {
    for (std::size_t k = 0; k < find.size(); ++k) {
      char32_t a = static_cast<unsigned char>(text[i + k]), b = static_cast<unsigned char>(find[k]);
      if (single[k] ? Folded(a) != Folded(b) : a != b) return false;
    }
    return true;
  };
  int position = from_position;
  int find_chars = 0;
  for (std::size_t k = 0; k < find.size(); k += cp932::CharLength(find, k)) ++find_chars;
  for (std::size_t i = from; i + find.size() <= text.size();) {
    if (matches(i)) {
      found.starts.push_back(i);
      found.last = position;
      i += find.size();
      position += find_chars;
    } else {
      i += cp932::CharLength(text, i);
      ++position;
    }
  }
  return found;
}

namespace {

// Walks the spans of the old text, handing on what it passes over.
class SpanWalk {
 public:
  SpanWalk(const std::vector<FormatSpan>& spans, std::vector<FormatSpan>& out) : spans_(spans), out_(out) {}

  // Hands on the next `n` units in their formats.
  void Take(std::size_t n) {
    while (n > 0 && index_ < spans_.size()) {
      std::size_t here = std::min(n, spans_[index_].length - offset_);
      Put(spans_[index_].format, here);
      Advance(here);
      n -= here;
    }
  }
  void Skip(std::size_t n) {
    while (n > 0 && index_ < spans_.size()) {
      std::size_t here = std::min(n, spans_[index_].length - offset_);
      Advance(here);
      n -= here;
    }
  }
  // The format of the next unit; past the end, that of the last.
  const CharFormat* Next() const {
    if (index_ < spans_.size()) return &spans_[index_].format;
    return spans_.empty() ? nullptr : &spans_.back().format;
  }
  void Put(const CharFormat& format, std::size_t n) {
    if (n == 0) return;
    if (!out_.empty() && out_.back().format == format)
      out_.back().length += n;
    else
      out_.push_back({format, n});
  }

 private:
  void Advance(std::size_t n) {
    offset_ += n;
    while (index_ < spans_.size() && offset_ >= spans_[index_].length) {
      offset_ -= spans_[index_].length;
      ++index_;
    }
  }

  const std::vector<FormatSpan>& spans_;
  std::vector<FormatSpan>& out_;
  std::size_t index_ = 0;
  std::size_t offset_ = 0;
};

}  // namespace

std::vector<FormatSpan> ReplacedSpans(const std::vector<FormatSpan>& spans, const std::vector<std::size_t>& starts,
                                      std::size_t find_length, std::size_t put_length) {
  std::vector<FormatSpan> out;
  out.reserve(spans.size() + 1);
  SpanWalk walk(spans, out);
  std::size_t at = 0;
  for (std::size_t start : starts) {
    walk.Take(start - at);
    if (const CharFormat* format = walk.Next()) walk.Put(*format, put_length);
    walk.Skip(find_length);
    at = start + find_length;
  }
  walk.Take(std::numeric_limits<std::size_t>::max());
  return out;
}

}  // namespace core::rtf
