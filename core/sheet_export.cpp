#include "core/sheet_export.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/cp932_unicode.h"

namespace core {

namespace {

constexpr char kTab = '\t';
constexpr std::string_view kLineEnd = "\r\n";

// An item's note lines [begin, end) that say more than its caption: the first one is left out
// where it is the caption. A span is clamped to the store as NoteOf clamps it.
struct NoteBody {
  std::size_t begin;
  std::size_t end;
};

NoteBody BodyOf(const OutlineItem& item, const NoteStore& notes) {
  const std::size_t count = notes.LineCount();
  const std::size_t begin = std::min<std::size_t>(std::max(item.Span.StartLine, 0), count);
  const std::size_t end = std::min<std::size_t>(begin + std::max(item.Span.LineCount, 0), count);
  if (begin < end && notes.Line(begin) == item.ItemText()) return {begin + 1, end};
  return {begin, end};
}

// The caption an empty note gives (" "), or any made of blanks alone: read back as an outline,
// its blanks would be taken for depth, so the line holds its indentation alone.
bool IsBlank(std::string_view caption) { return caption.find_first_not_of(" \t") == std::string_view::npos; }

// --- The web page ------------------------------------------------------------------------------

// A heading for each level: the page's title is h1, the top level h2, the fifth level and all
// below it h6.
constexpr int kDeepestHeading = 6;

constexpr std::string_view kHead =
    "<!DOCTYPE html>\n"
    "<html lang=\"ja\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";

constexpr std::string_view kStyle = R"(<style>
body {
  margin: 0 auto; max-width: 50em; padding: 2em 1.5em 4em;
  font-family: "Yu Gothic", YuGothic, "Hiragino Kaku Gothic ProN", "Hiragino Sans", Meiryo,
    "Noto Sans CJK JP", "Noto Sans JP", sans-serif;
  font-size: 16px; line-height: 1.75; color: #1f2328; background: #fcfcfa;
}
h1 { font-size: 1.6em; line-height: 1.4; margin: 0 0 1em; padding-bottom: .3em; border-bottom: 2px solid #4a6fa5; }
nav.toc { margin: 0 0 2.5em; padding: .8em 1.2em; background: #f0f3f7; border-radius: 6px; }
nav.toc h2 { font-size: 1em; margin: 0 0 .3em; }
nav.toc ol { margin: 0; padding-left: 2em; }
nav.toc a { display: inline-block; min-width: 2em; color: #2a5a98; text-decoration: none; }
nav.toc a:hover { text-decoration: underline; }
ul.tree, ul.tree ul { list-style: none; margin: 0; padding: 0; }
ul.tree ul { margin-left: .4em; padding-left: 1.1em; border-left: 1px solid #d5dbe2; }
ul.tree li { margin: .5em 0; }
ul.tree h2, ul.tree h3, ul.tree h4, ul.tree h5, ul.tree h6 {
  margin: 0; min-height: 1.4em; line-height: 1.4; font-size: 1em; white-space: pre-wrap; overflow-wrap: anywhere;
}
ul.tree h2 { font-size: 1.3em; margin-top: 1.6em; padding-bottom: .2em; border-bottom: 1px solid #d5dbe2; }
ul.tree h3 { font-size: 1.1em; }
ul.tree > li:first-child > h2 { margin-top: 0; }
.note {
  margin: .3em 0 .2em; padding: .5em .8em; background: #fff; border: 1px solid #e2e6eb; border-radius: 4px;
  white-space: pre-wrap; overflow-wrap: anywhere; tab-size: 4;
}
li:target > :first-child { background: #fff3c4; }
@page { margin: 15mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 10.5pt; line-height: 1.55; color: #000; background: #fff; }
  h1 { border-bottom-color: #000; }
  nav.toc { background: none; border: 1px solid #999; }
  nav.toc a { color: inherit; text-decoration: none; }
  ul.tree h2, ul.tree h3, ul.tree h4, ul.tree h5, ul.tree h6 { break-after: avoid; page-break-after: avoid; }
  .note { break-inside: avoid; page-break-inside: avoid; background: none; border-color: #aaa; }
  li:target > :first-child { background: none; }
}
</style>
</head>
<body>
)";

// Bytes that are markup, or a control no page may hold (TAB and line ends stay): each is written
// as EscapeOf says. None of them is ever the second byte of a double-byte character.
constexpr cp932::AsciiSet kEscaped = [] {
  cp932::AsciiSet escaped{};
  for (int c = 0; c < 0x20; ++c) escaped[c] = c != '\t' && c != '\n' && c != '\r';
  for (unsigned char c : std::string_view("&<>\"'\x7F")) escaped[c] = true;
  return escaped;
}();

std::string_view EscapeOf(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      return "\xEF\xBF\xBD";  // U+FFFD
  }
}

// One byte of the code page takes at most six in the page ("&quot;").
constexpr std::size_t kWorstGrowth = 6;
static_assert(kWorstGrowth >= cp932::kMaxUtf8PerByte);

// The page's bytes, gathered in blocks.
class Page {
 public:
  explicit Page(const ByteSink& sink) : out_(sink) {}

  // Markup, as it is.
  Page& Raw(std::string_view markup) {
    out_.MakeRoom(markup.size());
    out_.Block().append(markup);
    return *this;
  }

  // Text of the code page, escaped, in UTF-8.
  Page& Text(std::string_view text) {
    out_.MakeRoom(kWorstGrowth * text.size());
    std::string& block = out_.Block();
    const std::size_t at = block.size();
    block.resize(at + kWorstGrowth * text.size());
    char* const start = block.data() + at;
    char* o = start;
    for (std::size_t i = 0; i < text.size(); ++i) {
      i += cp932::PutUtf8Until(o, text.substr(i), kEscaped);
      if (i == text.size()) break;
      const std::string_view escape = EscapeOf(text[i]);
      o = std::copy(escape.begin(), escape.end(), o);
    }
    block.resize(at + static_cast<std::size_t>(o - start));
    return *this;
  }

  Page& Number(int n) {
    char digits[12];
    return Raw(std::string_view(
        digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits)));
  }

  void Finish() { out_.Finish(); }

 private:
  BlockWriter out_;
};

void WriteContents(Page& page, const OutlineTree& tree) {
  if (tree.Count() == 0) return;
  page.Raw("<nav class=\"toc\" aria-label=\"").Text("目次").Raw("\">\n<h2>").Text("目次").Raw("</h2>\n<ol>\n");
  for (int i = 1; i <= tree.Count(); ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    if (item.Level() != 1) continue;
    page.Raw("<li><a href=\"#item-").Number(i).Raw("\">").Text(item.ItemText()).Raw("</a></li>\n");
  }
  page.Raw("</ol>\n</nav>\n");
}

// The note's lines in one block that keeps their breaks; empty lines at its end show nothing and
// are left out, and a note with nothing left gets no block.
void WriteNote(Page& page, const NoteStore& notes, NoteBody body) {
  while (body.end > body.begin && notes.Line(body.end - 1).empty()) --body.end;
  if (body.begin == body.end) return;
  page.Raw("\n<div class=\"note\">");
  for (std::size_t l = body.begin; l < body.end; ++l) {
    if (l > body.begin) page.Raw("\n");
    page.Text(notes.Line(l));
  }
  page.Raw("</div>");
}

// Nested lists that follow the levels: an item's list item stays open while its children's list
// is in it.
void WriteTree(Page& page, const OutlineTree& tree, const NoteStore& notes) {
  int open = 0;  // lists open, the level of the last item
  for (int i = 1; i <= tree.Count(); ++i) {
    const OutlineItem& item = tree.ItemAt(i);
    const int level = item.Level();
    if (level > open) {
      for (; open < level; ++open) page.Raw(open == 0 ? "<main>\n<ul class=\"tree\">\n" : "\n<ul>\n");
    } else {
      page.Raw("</li>\n");
      for (; open > level; --open) page.Raw("</ul></li>\n");
    }
    const char heading = static_cast<char>('0' + std::min(level + 1, kDeepestHeading));
    const char open_tag[] = {'<', 'h', heading, '>'};
    const char close_tag[] = {'<', '/', 'h', heading, '>'};
    page.Raw("<li id=\"item-").Number(i).Raw("\">").Raw(std::string_view(open_tag, sizeof open_tag));
    page.Text(item.ItemText()).Raw(std::string_view(close_tag, sizeof close_tag));
    WriteNote(page, notes, BodyOf(item, notes));
  }
  if (open == 0) return;
  page.Raw("</li>\n");
  for (; open > 1; --open) page.Raw("</ul></li>\n");
  page.Raw("</ul>\n</main>\n");
}

}  // namespace

ByteSource TextExport(const OutlineTree& tree, const NoteStore& notes) {
  return [&tree, &notes](const ByteSink& sink) {
    BlockWriter out(sink);
    for (int i = 1; i <= tree.Count(); ++i) {
      const OutlineItem& item = tree.ItemAt(i);
      const std::size_t depth = static_cast<std::size_t>(item.Level() - 1);
      const std::string_view caption = IsBlank(item.ItemText()) ? std::string_view() : item.ItemText();
      out.MakeRoom(depth + caption.size() + kLineEnd.size());
      out.Block().append(depth, kTab).append(caption).append(kLineEnd);
      const NoteBody body = BodyOf(item, notes);
      for (std::size_t l = body.begin; l < body.end; ++l) {
        const std::string_view line = notes.Line(l);
        out.MakeRoom(depth + 1 + line.size() + kLineEnd.size());
        out.Block().append(depth + 1, kTab).append(line).append(kLineEnd);
      }
    }
    out.Finish();
  };
}

ByteSource HtmlExport(const OutlineTree& tree, const NoteStore& notes, std::string_view title) {
  return [&tree, &notes, title = std::string(title)](const ByteSink& sink) {
    Page page(sink);
    page.Raw(kHead).Raw("<title>").Text(title).Raw("</title>\n").Raw(kStyle);
    if (!title.empty()) page.Raw("<header><h1>").Text(title).Raw("</h1></header>\n");
    WriteContents(page, tree);
    WriteTree(page, tree, notes);
    page.Raw("</body>\n</html>\n");
    page.Finish();
  };
}

}  // namespace core
