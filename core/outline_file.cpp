#include "core/outline_file.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace msg = outline_message;

namespace {

constexpr std::size_t kLineBuffer = 4096;
constexpr char kTab = '\t';
constexpr char kSpace = ' ';
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndMark = '\x1A';
constexpr long long kMaxReserve = 1 << 22;  // beyond this the items make room as they come
// Put before a text that starts with TAB or space so that the reader does not take those bytes
// for depth. 0x81 is a Shift-JIS lead byte, and no lead byte is ever followed by TAB or space,
// so no text of an older file starts with 0x81... followed by TAB or space: those files read as
// they always did. Texts that start with 0x81 bytes followed by TAB or space get one as well.
constexpr char kBlankEscape = '\x81';

bool IsBlank(char c) { return c == kTab || c == kSpace; }

bool NeedsBlankEscape(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == kBlankEscape) ++i;
  return i < text.size() && IsBlank(text[i]);
}

class OutlineReader {
 public:
  explicit OutlineReader(OutlineTree& tree) : tree_(tree) {}

  // One line: its leading TABs and spaces are its depth; `text` is what follows them.
  void Place(std::size_t depth, std::string_view text) {
    int level;
    if (first_) {
      // A first line indented by one step is top level too, and sets the depth of top level.
      if (depth > 1) throw OutlineError(msg::kReadError);
      offset_ = depth == 0 ? 1 : 0;
      level = 1;
    } else {
      if (depth > previousDepth_ + 1) throw OutlineError(msg::kReadError);
      level = static_cast<int>(depth) + offset_;
      // Below level 1 means stepping above the root; past the deepest level is refused alike.
      if (level < 1 || level > OutlineTree::kMaxLevel) throw OutlineError(msg::kReadError);
    }
    if (!text.empty() && text.front() == kBlankEscape && NeedsBlankEscape(text.substr(1))) {
      text.remove_prefix(1);
    }
    tree_.AppendAtLevel(level, std::string(text));
    first_ = false;
    previousDepth_ = depth;
  }

 private:
  OutlineTree& tree_;
  bool first_ = true;
  std::size_t previousDepth_ = 0;
  int offset_ = 1;
};

// Lines end at CR, or CR LF; the end mark or the end of the bytes ends the last one. A line and
// the byte that ends it must fit the 4096-byte buffer the file has always been read through.
void ReadLines(std::string_view bytes, OutlineReader& reader) {
  const char* const data = bytes.data();
  const std::size_t size = bytes.size();
  std::size_t start = 0;
  for (;;) {
    // A line of nothing but the mark makes no item: the end of the data is marked that way.
    if (start == size || data[start] == kEndMark) return;
    std::size_t t = start;
    while (t < size && IsBlank(data[t])) ++t;
    std::size_t e = t;
    while (e < size && data[e] != kCr && data[e] != kEndMark) ++e;  // lines are short: no call
    if (e - start >= kLineBuffer) throw OutlineError(msg::kLineTooLong);
    reader.Place(t - start, std::string_view(data + t, e - t));
    if (e == size || data[e] == kEndMark) return;
    start = e + 1;
    if (start < size && data[start] == kLf) ++start;
  }
}

// At most one item per CR before the first end mark, and one for the last line: room for them
// all is taken at once, so that a large file does not move the items again and again.
int CountLineEnds(std::string_view bytes) {
  bytes = bytes.substr(0, std::min(bytes.find(kEndMark), bytes.size()));
  const long long ends = 1 + std::count(bytes.begin(), bytes.end(), kCr);
  return static_cast<int>(std::min<long long>(ends, kMaxReserve));
}

}  // namespace

std::string OutlineBytes(const OutlineTree& tree) {
  const int count = tree.Count();
  // Refused up front, before a byte is written, so that a good older file survives.
  std::size_t total = 0;
  for (int i = 1; i <= count; ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const std::string& text = item.ItemText();
    const std::size_t line = (item.Level() - 1) + (NeedsBlankEscape(text) ? 1 : 0) + text.size() + 2;
    // The reader needs the line and its CR in one buffer; the LF may open the next.
    if (line - 1 > kLineBuffer) throw OutlineError(msg::kLineTooLong);
    if (std::memchr(text.data(), kCr, text.size()) || std::memchr(text.data(), kEndMark, text.size())) {
      throw OutlineError(msg::kUnwritableText);
    }
    total += line;
  }

  std::string bytes;
  bytes.reserve(total);
  for (int i = 1; i <= count; ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const std::string& text = item.ItemText();
    bytes.append(item.Level() - 1, kTab);
    if (NeedsBlankEscape(text)) bytes += kBlankEscape;
    bytes += text;
    bytes += "\r\n";
  }
  return bytes;
}

void ReadOutline(OutlineTree& tree, std::string_view bytes) {
  tree.RemoveAll();
  tree.Reserve(CountLineEnds(bytes));
  OutlineReader reader(tree);
  try {
    ReadLines(bytes, reader);
  } catch (...) {
    if (tree.Count() > 0) tree.SetSelected(1);
    throw;
  }
  if (tree.Count() > 0) tree.SetSelected(1);
}

}  // namespace core
