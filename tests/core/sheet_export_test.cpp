// The log sheet taken out as plain text and as a web page, and the code page's characters in
// Unicode that the page is written in.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/cp932_unicode.h"
#include "core/outline_file.h"
#include "core/sheet_export.h"
#include "tests/core/outline_test_util.h"

namespace {

using Lines = std::vector<std::string>;

// The compiler's own UTF-8 of a literal: what the page must hold, found without the converter.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

struct Sheet {
  core::OutlineTree tree;
  core::NoteStore notes;

  // Captions as in outline_test::Build, each item given its note; an empty note's item has the
  // caption the program gives it, " ".
  Sheet(std::initializer_list<const char*> captions, const std::vector<Lines>& note_of) {
    outline_test::Build(tree, captions);
    for (int i = 1; i <= tree.Count(); ++i) {
      if (note_of[i - 1].empty()) tree.SetItemText(i, " ");
      notes.Store(tree.ItemAt(i).Span, note_of[i - 1]);
    }
  }
};

// A sheet of every kind of item: three levels, an empty note, a note whose first line is not its
// caption, blank lines, characters of the NEC and IBM rows, half-width katakana, second bytes
// that are '\\', and markup.
Sheet Diary() {
  return Sheet({"①日誌 ～", "><script>&\"'", ">>C:\\表\\", ">", "見出し", ">最後"},
               {{"①日誌 ～", "髙橋さんと打合せ", "", "ｶﾀｶﾅ の表"},
                {"<script>&\"'", "a < b && c > \"d\" 'e'"},
                {"C:\\表\\", "ソフト"},
                {},
                {"別の一行目", "二行目", ""},
                {"最後"}});
}

TEST(SheetExport, TextIsAnOutlineOfCaptionsWithTheirNoteLinesUnder) {
  Sheet diary = Diary();
  const std::string text = core::Gathered(core::TextExport(diary.tree, diary.notes));
  EXPECT_EQ(text,
            "①日誌 ～\r\n"
            "\t髙橋さんと打合せ\r\n"
            "\t\r\n"
            "\tｶﾀｶﾅ の表\r\n"
            "\t<script>&\"'\r\n"
            "\t\ta < b && c > \"d\" 'e'\r\n"
            "\t\tC:\\表\\\r\n"
            "\t\t\tソフト\r\n"
            "\t\r\n"  // the empty note's item: its blank caption would read back as depth
            "見出し\r\n"
            "\t別の一行目\r\n"
            "\t二行目\r\n"
            "\t\r\n"
            "\t最後\r\n");

  // Read back, every item stands at its level with its caption, its note lines as its children.
  core::OutlineTree back;
  core::ReadOutline(back, text);
  std::vector<std::pair<int, std::string>> expected;
  for (int i = 1; i <= diary.tree.Count(); ++i) {
    const core::OutlineItem& item = diary.tree.ItemAt(i);
    Lines note = diary.notes.NoteOf(item.Span);
    expected.emplace_back(item.Level(), item.ItemText() == " " ? "" : std::string(item.ItemText()));
    for (std::size_t l = !note.empty() && note[0] == item.ItemText() ? 1 : 0; l < note.size(); ++l) {
      expected.emplace_back(item.Level() + 1, note[l]);
    }
  }
  ASSERT_EQ(back.Count(), static_cast<int>(expected.size()));
  for (int i = 1; i <= back.Count(); ++i) {
    EXPECT_EQ(std::make_pair(back.ItemAt(i).Level(), std::string(back.ItemAt(i).ItemText())), expected[i - 1]) << i;
  }

  // Note lines that start with blanks are the person's own indentation, written as they are.
  Sheet indented({"a"}, {{"a", "\tTAB", "  空白"}});
  EXPECT_EQ(core::Gathered(core::TextExport(indented.tree, indented.notes)), "a\r\n\t\tTAB\r\n\t  空白\r\n");
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const std::size_t n = c < 0x80 ? 1 : c >= 0xC2 && c < 0xE0 ? 2 : c >= 0xE0 && c < 0xF0 ? 3 : 0;
    if (n == 0 || i + n > bytes.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

std::size_t CountOf(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SheetExport, PageIsEscapedUtf8WithContentsHeadingsAndNotesThatKeepTheirBreaks) {
  Sheet diary = Diary();
  const std::string page = core::Gathered(core::HtmlExport(diary.tree, diary.notes, "日誌 <2024>"));
  ASSERT_TRUE(IsUtf8(page));
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u);
  EXPECT_NE(page.find("<title>" + U8(u8"日誌 &lt;2024&gt;") + "</title>"), std::string::npos);
  EXPECT_NE(page.find("@media print"), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);

  // The contents name the top-level items, each linked to where it stands.
  EXPECT_NE(page.find("<h2>" + U8(u8"目次") + "</h2>"), std::string::npos);
  EXPECT_NE(page.find("<li><a href=\"#item-1\">\xE2\x91\xA0" + U8(u8"日誌 ") +
                      "\xEF\xBD\x9E</a></li>\n"
                      "<li><a href=\"#item-5\">" +
                      U8(u8"見出し") + "</a></li>\n</ol>"),
            std::string::npos);
  EXPECT_EQ(CountOf(page, "href="), 2u);

  // The tree, whole: a heading for each level, the notes' lines broken as they were (the caption
  // line left out, the blank line at a note's end too), no note block where nothing is left.
  const std::string tree =
      "<ul class=\"tree\">\n"
      "<li id=\"item-1\"><h2>\xE2\x91\xA0" +
      U8(u8"日誌 ") +
      "\xEF\xBD\x9E</h2>\n"
      "<div class=\"note\">\xE9\xAB\x99" +
      U8(u8"橋さんと打合せ\n\nｶﾀｶﾅ の表") +
      "</div>\n"
      "<ul>\n"
      "<li id=\"item-2\"><h3>&lt;script&gt;&amp;&quot;&#39;</h3>\n"
      "<div class=\"note\">a &lt; b &amp;&amp; c &gt; &quot;d&quot; &#39;e&#39;</div>\n"
      "<ul>\n"
      "<li id=\"item-3\"><h4>C:\\" +
      U8(u8"表") + "\\</h4>\n<div class=\"note\">" + U8(u8"ソフト") +
      "</div></li>\n"
      "</ul></li>\n"
      "<li id=\"item-4\"><h3> </h3></li>\n"
      "</ul></li>\n"
      "<li id=\"item-5\"><h2>" +
      U8(u8"見出し") +
      "</h2>\n"
      "<div class=\"note\">" +
      U8(u8"別の一行目\n二行目") +
      "</div>\n"
      "<ul>\n"
      "<li id=\"item-6\"><h3>" +
      U8(u8"最後") +
      "</h3></li>\n"
      "</ul></li>\n"
      "</ul>\n";
  EXPECT_NE(page.find(tree), std::string::npos) << page;
  EXPECT_EQ(page.substr(page.size() - 16), "</body>\n</html>\n");
}

TEST(SheetExport, ALargeSheetLeavesInBlocksOfAMegabyte) {
  // The notes stored as one, as a loaded sheet's lie end to end, two lines an item.
  core::OutlineTree tree;
  core::NoteStore notes;
  Lines lines;
  for (int i = 1; i <= 30'000; ++i) {
    tree.AppendAtLevel(i % 50 == 1 ? 1 : 2, "記録 " + std::to_string(i));
    lines.push_back("記録 " + std::to_string(i));
    lines.push_back("今日の作業とその結果 <" + std::to_string(i) + ">");
  }
  core::NoteSpan all;
  notes.Store(all, lines);
  for (int i = 1; i <= tree.Count(); ++i) tree.ItemAt(i).Span = {2 * (i - 1), 2};
  const std::pair<core::ByteSource, std::string> exports[] = {
      {core::TextExport(tree, notes), "\t今日の作業とその結果 <"},
      {core::HtmlExport(tree, notes, "t"), ">" + U8(u8"今日の作業とその結果 &lt;")}};
  for (const auto& [source, note_line] : exports) {
    std::vector<std::size_t> pieces;
    std::string whole;
    source([&](std::string_view piece) {
      pieces.push_back(piece.size());
      whole += piece;
    });
    EXPECT_GT(pieces.size(), 1u);
    for (std::size_t size : pieces) EXPECT_LE(size, std::size_t{1} << 20);
    EXPECT_EQ(CountOf(whole, note_line), 30'000u);
  }
}

TEST(Cp932Unicode, EveryCodeOfTheCodePageComesOutAsTheSystemMapsIt) {
  auto one = [](std::string_view bytes) {
    std::size_t i = 0;
    char32_t c = core::cp932::ToUnicode(bytes, i);
    EXPECT_EQ(i, bytes.size()) << std::hex << static_cast<std::uint32_t>(c);
    return c;
  };
  // clang-format off
  const std::vector<std::pair<const char*, char32_t>> known = {
      {"\x5C", U'\\'}, {"\x7E", U'~'}, {"\xA1", U'\uFF61'}, {"\xB1", U'\uFF71'},
      {"\xDF", U'\uFF9F'}, {"\x80", U'\uFFFD'}, {"\xA0", U'\uFFFD'}, {"\xFD", U'\uFFFD'},
      {"\xFF", U'\uFFFD'}, {"\x81\x40", U'\u3000'}, {"\x81\x5F", U'\uFF3C'}, {"\x81\x60", U'\uFF5E'},
      {"\x81\x61", U'\u2225'}, {"\x81\x7C", U'\uFF0D'}, {"\x81\x91", U'\uFFE0'}, {"\x81\xCA", U'\uFFE2'},
      {"\x82\xA0", U'\u3042'}, {"\x83\x5C", U'\u30BD'}, {"\x83\x9F", U'\u0391'}, {"\x84\x40", U'\u0410'},
      {"\x84\x9F", U'\u2500'}, {"\x88\x9F", U'\u4E9C'}, {"\x95\x5C", U'\u8868'}, {"\xEA\xA4", U'\u7199'},
      // NEC special characters, row 13
      {"\x87\x40", U'\u2460'}, {"\x87\x53", U'\u2473'}, {"\x87\x54", U'\u2160'}, {"\x87\x5F", U'\u3349'},
      {"\x87\x82", U'\u2116'}, {"\x87\x8A", U'\u3231'}, {"\x87\x90", U'\u2252'}, {"\x87\x93", U'\u222E'},
      {"\x87\x9C", U'\u222A'},
      // NEC-selected IBM extensions
      {"\xED\x40", U'\u7E8A'}, {"\xEE\xEF", U'\u2170'}, {"\xEE\xF9", U'\uFFE2'}, {"\xEE\xFC", U'\uFF02'},
      // IBM extensions
      {"\xFA\x40", U'\u2170'}, {"\xFA\x4A", U'\u2160'}, {"\xFA\x54", U'\uFFE2'}, {"\xFA\x58", U'\u3231'},
      {"\xFA\x5C", U'\u7E8A'}, {"\xFB\xFC", U'\u9AD9'}, {"\xFC\x4B", U'\u9ED1'},
      // the user area, private use
      {"\xF0\x40", U'\uE000'}, {"\xF0\xFC", U'\uE0BB'}, {"\xF1\x40", U'\uE0BC'}, {"\xF9\xFC", U'\uE757'},
      // pairs that are no character
      {"\x85\x40", U'\uFFFD'}, {"\x81\xAD", U'\uFFFD'}, {"\xEA\xA5", U'\uFFFD'}, {"\xEE\xED", U'\uFFFD'},
      {"\xFC\x4C", U'\uFFFD'}
  };
  // clang-format on
  for (const auto& [bytes, code] : known) EXPECT_EQ(one(bytes), code) << bytes;

  // A lead byte whose next byte is no second byte stands alone, and takes nothing with it.
  std::size_t i = 0;
  const std::string_view broken("\x81<\x81\x7F\x81", 5);
  std::u32string read;
  while (i < broken.size()) read += core::cp932::ToUnicode(broken, i);
  EXPECT_EQ(read, U"\uFFFD<\uFFFD\x7F\uFFFD");

  // Every pair of a lead and a second byte is one character: a real one or U+FFFD; as many real
  // ones as the code page holds; the converter's UTF-8 is theirs.
  std::string all;
  std::string utf8;
  int defined = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead == 0xA0) lead = 0xE0;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
      const char32_t c = one(std::string_view(pair, 2));
      EXPECT_TRUE(c >= 0x80 && c < 0x10000 && (c < 0xD800 || c > 0xDFFF)) << std::hex << lead << trail;
      defined += c != core::cp932::kReplacement;
      all.append(pair, 2);
      core::cp932::AppendCodePoint(utf8, c);
    }
  }
  EXPECT_EQ(defined, 9604);
  EXPECT_EQ(core::cp932::ToUtf8(all), utf8);

  // The compiler's code page and back: an ASCII run, kana, kanji and the extension rows.
  EXPECT_EQ(core::cp932::ToUtf8("C:\\表 ①㍉∮ⅰ￢纊髙 ｶﾀｶﾅ ～ ソ<&>"), U8(u8"C:\\表 ①㍉∮ⅰ￢纊髙 ｶﾀｶﾅ ～ ソ<&>"));
}

}  // namespace
