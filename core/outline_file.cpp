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
    tree_.AppendAtLevel(level, text);
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
// Whether the end mark was reached.
bool ReadLines(std::string_view bytes, OutlineReader& reader) {
  const char* const data = bytes.data();
  const std::size_t size = bytes.size();
  std::size_t start = 0;
  for (;;) {
    // A line of nothing but the mark makes no item: the end of the data is marked that way.
    if (start == size) return false;
    if (data[start] == kEndMark) return true;
    std::size_t t = start;
    while (t < size && IsBlank(data[t])) ++t;
    std::size_t e = t;
    while (e < size && data[e] != kCr && data[e] != kEndMark) ++e;  // lines are short: no call
    if (e - start >= kLineBuffer) throw OutlineError(msg::kLineTooLong);
    reader.Place(t - start, std::string_view(data + t, e - t));
    if (e == size) return false;
    if (data[e] == kEndMark) return true;
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

// Where the lines of `bytes` that are known to be whole end: after the last CR LF, or after the
// last CR that some other byte follows. 0 when no line is known whole yet.
std::size_t WholeLinesEnd(std::string_view bytes) {
  std::size_t cr = bytes.rfind(kCr);
  if (cr != std::string_view::npos && cr + 1 == bytes.size())
    cr = cr == 0 ? std::string_view::npos : bytes.rfind(kCr, cr - 1);
  if (cr == std::string_view::npos) return 0;
  return cr + 1 + (bytes[cr + 1] == kLf ? 1 : 0);
}

// The pieces' whole lines are read as they come; the start of a line that the next piece ends
// waits in a carry, which never grows past one line's buffer.
void ReadPieces(OutlineTree& tree, const ByteSource& source) {
  OutlineReader reader(tree);
  std::string carry;
  bool ended = false;
  try {
    source([&](std::string_view piece) {
      if (ended) return;
      carry += piece;
      if (std::size_t whole = WholeLinesEnd(carry); whole > 0) {
        ended = ReadLines(std::string_view(carry).substr(0, whole), reader);
        carry.erase(0, whole);
      }
      // A carry longer than a line may be holds the end mark early enough, or is refused.
      if (!ended && carry.size() > kLineBuffer) {
        ReadLines(carry, reader);  // throws, unless the end mark ends the line first
        ended = true;
      }
    });
    if (!ended) ReadLines(carry, reader);
  } catch (...) {
    if (tree.Count() > 0) tree.SetSelected(1);
    throw;
  }
  if (tree.Count() > 0) tree.SetSelected(1);
}

}  // namespace

ByteSource OutlineSource(const OutlineTree& tree) {
  // Refused up front, before a byte is handed on, so that a good older file survives.
  for (int i = 1; i <= tree.Count(); ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const std::string_view text = item.ItemText();
    const std::size_t line = (item.Level() - 1) + (NeedsBlankEscape(text) ? 1 : 0) + text.size() + 2;
    // The reader needs the line and its CR in one buffer; the LF may open the next.
    if (line - 1 > kLineBuffer) throw OutlineError(msg::kLineTooLong);
    if (text.find(kCr) != std::string_view::npos || text.find(kEndMark) != std::string_view::npos) {
      throw OutlineError(msg::kUnwritableText);
    }
  }
  return [&tree](const ByteSink& sink) {
    BlockWriter out(sink);
    for (int i = 1; i <= tree.Count(); ++i) {
      const OutlineItem& item = tree.ItemAt(i);
      const std::string_view text = item.ItemText();
      out.MakeRoom(item.Level() + text.size() + 2);  // TABs, an escape, the text, CR LF
      std::string& block = out.Block();
      block.append(item.Level() - 1, kTab);
      if (NeedsBlankEscape(text)) block += kBlankEscape;
      block.append(text).append("\r\n");
    }
    out.Finish();
  };
}

std::string OutlineBytes(const OutlineTree& tree) { return Gathered(OutlineSource(tree)); }

void ReadOutline(OutlineTree& tree, std::string_view bytes) {
  tree.RemoveAll();
  tree.Reserve(CountLineEnds(bytes));
  ReadPieces(tree, WholeBytes(bytes));
}

void ReadOutline(OutlineTree& tree, const ByteSource& source) {
  tree.RemoveAll();
  ReadPieces(tree, source);
  tree.FreeSpareRoom();  // before the notes are read: the copy costs nothing at the load's peak
}

}  // namespace core
