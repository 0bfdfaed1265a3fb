#include "core/outline_file.h"

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

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

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void FailFile(const std::string& path, const char* what, int error) {
  throw FileError("ﾌｧｲﾙ " + path + " " + what + " (" + std::strerror(error) + ")");
}

File OpenFile(const std::string& path, const char* mode, const char* what) {
  errno = 0;
  File f(std::fopen(path.c_str(), mode));
  if (!f) FailFile(path, what, errno);
  std::setvbuf(f.get(), nullptr, _IONBF, 0);  // the line buffer is the only buffer
  return f;
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

void ReadLines(std::FILE* f, const std::string& path, OutlineReader& reader) {
  char buf[kLineBuffer];
  std::size_t len = 0;
  bool eof = false;
  bool skipLf = false;  // the last block ended in a CR whose LF is still to come
  for (;;) {
    if (!eof) {
      const std::size_t want = kLineBuffer - len;
      const std::size_t got = std::fread(buf + len, 1, want, f);
      if (got < want) {
        if (std::ferror(f)) FailFile(path, "を読み込めません", errno);
        eof = true;
      }
      len += got;
    }
    if (eof && len < kLineBuffer) buf[len++] = kEndMark;
    std::size_t start = 0;
    if (skipLf && len > 0) {
      if (buf[0] == kLf) start = 1;
      skipLf = false;
    }
    for (;;) {
      // A line of nothing but the mark makes no item: the end of the data is marked that way.
      if (start < len && buf[start] == kEndMark) return;
      std::size_t t = start;
      while (t < len && IsBlank(buf[t])) ++t;
      std::size_t e = t;
      while (e < len && buf[e] != kCr && buf[e] != kEndMark) ++e;  // lines are short: no call
      if (e == len) break;  // the line goes on in the next block
      reader.Place(t - start, std::string_view(buf + t, e - t));
      if (buf[e] == kEndMark) return;
      start = e + 1;
      if (start < len) {
        if (buf[start] == kLf) ++start;
      } else {
        skipLf = true;
      }
    }
    if (start == 0 && len == kLineBuffer) throw OutlineError(msg::kLineTooLong);
    std::memmove(buf, buf + start, len - start);
    len -= start;
  }
}

// At most one item per CR before the first end mark, and one for the last line: room for them
// all is taken at once, so that a large file does not move the items again and again.
int CountLineEnds(std::FILE* f, const std::string& path) {
  char buf[kLineBuffer];
  long long ends = 1;
  std::size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) {
    const char* mark = static_cast<const char*>(std::memchr(buf, kEndMark, got));
    const char* stop = mark ? mark : buf + got;
    for (const char* p = buf; p < stop; ++p) ends += *p == kCr;
    if (mark) break;
  }
  if (std::ferror(f)) FailFile(path, "を読み込めません", errno);
  std::rewind(f);
  return static_cast<int>(std::min<long long>(ends, kMaxReserve));
}

}  // namespace

void WriteOutline(const OutlineTree& tree, const std::string& path) {
  const int count = tree.Count();
  // Refused up front, before the file is truncated, so that a good older file survives.
  for (int i = 1; i <= count; ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const std::string& text = item.ItemText();
    const std::size_t line = (item.Level() - 1) + (NeedsBlankEscape(text) ? 1 : 0) + text.size() + 2;
    if (line > kLineBuffer) throw OutlineError(msg::kLineTooLong);
    if (std::memchr(text.data(), kCr, text.size()) || std::memchr(text.data(), kEndMark, text.size())) {
      throw OutlineError(msg::kUnwritableText);
    }
  }

  File f = OpenFile(path, "wb", "を作成できません");
  char buf[kLineBuffer];
  std::size_t used = 0;
  auto flush = [&] {
    if (used > 0 && std::fwrite(buf, 1, used, f.get()) != used) FailFile(path, "に書き込めません", errno);
    used = 0;
  };
  // Lines are assembled in the buffer and written a full buffer at a time.
  for (int i = 1; i <= count; ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const std::string& text = item.ItemText();
    const std::size_t tabs = item.Level() - 1;
    const bool escape = NeedsBlankEscape(text);
    const std::size_t line = tabs + (escape ? 1 : 0) + text.size() + 2;
    if (used + line > kLineBuffer) flush();
    char* p = buf + used;
    std::memset(p, kTab, tabs);
    p += tabs;
    if (escape) *p++ = kBlankEscape;
    std::memcpy(p, text.data(), text.size());
    p += text.size();
    *p++ = kCr;
    *p++ = kLf;
    used += line;
  }
  flush();
  std::FILE* raw = f.release();
  if (std::fclose(raw) != 0) FailFile(path, "に書き込めません", errno);
}

void ReadOutline(OutlineTree& tree, const std::string& path) {
  File f = OpenFile(path, "rb", "を開けません");
  const int lines = CountLineEnds(f.get(), path);
  tree.RemoveAll();
  tree.Reserve(lines);
  OutlineReader reader(tree);
  try {
    ReadLines(f.get(), path, reader);
  } catch (...) {
    if (tree.Count() > 0) tree.SetSelected(1);
    throw;
  }
  if (tree.Count() > 0) tree.SetSelected(1);
}

}  // namespace core
