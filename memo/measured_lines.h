#pragma once
// The widths of the last lines the memo's tick measured. A memo at rest shows the same lines
// tick after tick; their widths are taken from here instead of being measured again.

#include <array>
#include <string>

#include "ui/canvas.h"
#include "ui/types.h"

namespace memo {

class MeasuredLines {
 public:
  int Width(const ui::Font& font, const std::string& text) {
    if (text.empty()) return 0;
    for (const Entry& e : entries_) {
      if (e.used && e.text == text && SameMetrics(e.font, font)) return e.width;
    }
    Entry& e = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    e = {true, font, text, ui::TextExtent(font, text).width};
    return e.width;
  }

 private:
  struct Entry {
    bool used = false;
    ui::Font font;
    std::string text;
    int width = 0;
  };
  static bool SameMetrics(const ui::Font& a, const ui::Font& b) {
    return a.height == b.height && a.style == b.style && a.name == b.name;
  }
  std::array<Entry, 4> entries_;  // the four lines a tick measures
  std::size_t next_ = 0;
};

}  // namespace memo
