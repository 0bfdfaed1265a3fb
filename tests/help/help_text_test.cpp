// The help text as the program holds it, and the table that scrolls the help viewer to each of
// its sections.

#include "help/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/outline_file.h"
#include "help/help_sections.h"

namespace {

constexpr int kTextAreaWidth = 269;  // pixels, in a 12-pixel fixed-pitch font
constexpr int kHalfWidthPixels = 6;  // a full-width character is two bytes and 12 pixels

// Lead bytes 0x81-0x9F and 0xE0-0xFC take a trail byte 0x40-0x7E or 0x80-0xFC; 0xA1-0xDF are
// half-width katakana; no control byte belongs in a line.
bool IsShiftJisLine(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c >= 0x20 && c < 0x7F) continue;
    if (c >= 0xA1 && c <= 0xDF) continue;
    if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) || i + 1 == line.size()) return false;
    const auto t = static_cast<unsigned char>(line[++i]);
    if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
  }
  return true;
}

std::string FullWidthNumber(int n) {
  static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string s;
  for (char c : std::to_string(n)) s += digits[c - '0'];
  return s;
}

// The lines from `first` up to, not including, `last` (both counted from 1), each without its
// indentation, run together: a message broken over two lines reads whole again.
std::string RunTogether(const std::vector<std::string_view>& lines, int first, int last) {
  std::string text;
  for (int i = first; i < last && i <= static_cast<int>(lines.size()); ++i) {
    std::string_view line = lines[i - 1];
    while (line.starts_with("　")) line.remove_prefix(std::string_view("　").size());
    text += line;
  }
  return text;
}

TEST(HelpText, IsTheSourceTextAsShiftJisLinesThatFitTheTextArea) {
  const std::string_view text = HelpText();
  const std::vector<std::string_view> lines = HelpLines(text);

  // Every line of the source file is compiled in, in Shift-JIS, with the CR LF ends a Windows
  // text control shows.
  std::ifstream source(POCHIRA_HELP_SOURCE, std::ios::binary);
  ASSERT_TRUE(source) << POCHIRA_HELP_SOURCE;
  const std::string utf8{std::istreambuf_iterator<char>(source), {}};
  std::size_t source_lines = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) source_lines += utf8[i] == '\n' || i + 1 == utf8.size();
  EXPECT_EQ(lines.size(), source_lines);
  EXPECT_EQ(lines[0], "　　ぽち～ら　ver 1.0　ヘルプ");
  EXPECT_FALSE(text.ends_with("\n"));
  for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
    EXPECT_EQ(text[i - 1], '\r') << "line end at byte " << i;
  }

  // The viewer's text area is 8000 pixels tall at 12 pixels a line, and 269 pixels wide.
  EXPECT_GT(lines.size(), 600u);
  EXPECT_LE(static_cast<int>(lines.size()) * kHelpLineHeight, kHelpTextHeight);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    EXPECT_LE(static_cast<int>(line.size()) * kHalfWidthPixels, kTextAreaWidth) << "line " << i + 1 << ": " << line;
    EXPECT_EQ(line.find('\t'), std::string_view::npos) << "line " << i + 1;
    EXPECT_TRUE(IsShiftJisLine(line)) << "line " << i + 1;
  }
}

TEST(HelpSections, EachButtonBringsItsHeadingToTheTopAndEverySubsectionAndMessageIsThere) {
  const std::vector<std::string_view> lines = HelpLines(HelpText());
  const HelpSectionTable sections = HelpSections();

  const char* const captions[] = {
      "ぽち～らについて",   "セレクトボタン",   "ぽち～ら画面",   "メニュー",          "オプション",     "ログシート",
      "ログシートメニュー", "ﾃﾞｽｸﾄｯﾌﾟﾒﾓとして", "エディタとして", "ｱｲﾃﾞｱﾌﾟﾛｾｯｻとして", "エラーについて",
  };
  int previous_line = 0;
  for (int s = 0; s < kHelpSectionCount; ++s) {
    const HelpSection& section = sections[s];
    SCOPED_TRACE(section.caption);
    EXPECT_EQ(section.caption, captions[s]);
    ASSERT_GT(section.line, previous_line);
    previous_line = section.line;
    // The heading: indented, numbered in full-width digits and a full-width colon.
    const std::string_view heading = lines[section.line - 1];
    EXPECT_TRUE(heading.starts_with("　")) << heading;
    EXPECT_NE(heading.find(FullWidthNumber(s + 1) + "："), std::string_view::npos) << heading;
    // Scrolled to its position, the heading's top lies 5 to 15 pixels below the view's top,
    // and the scroll box can reach that position.
    const int gap = (section.line - 1) * kHelpLineHeight - section.position;
    EXPECT_GE(gap, 5);
    EXPECT_LE(gap, 15);
    EXPECT_GE(section.position, 0);
    EXPECT_LE(section.position, kHelpTextHeight - kHelpViewHeight);
  }
  EXPECT_EQ(sections[kFirstShownSection].caption, "エラーについて");

  // Subsections, each once, in order, inside its own section.
  const std::pair<int, const char*> subsections[] = {
      {2, "ＡＢＣＤＥ"}, {4, "ＡＢＣＤＥＦ"}, {5, "ＡＢＣＤＥＦＧＨＩＪＫ"}, {7, "ＡＢＣ"}};
  for (const auto& [number, letters] : subsections) {
    const int first = sections[number - 1].line;
    const int last = number < kHelpSectionCount ? sections[number].line : static_cast<int>(lines.size()) + 1;
    int at = first;
    for (std::string_view rest = letters; !rest.empty(); rest.remove_prefix(2)) {
      const std::string head = FullWidthNumber(number) + "-" + std::string(rest.substr(0, 2)) + "：";
      int found = 0;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].starts_with(head)) continue;
        ++found;
        const int line = static_cast<int>(i) + 1;
        EXPECT_GT(line, at) << head;
        EXPECT_LT(line, last) << head;
        at = line;
      }
      EXPECT_EQ(found, 1) << head;
    }
  }

  // Every message the program can show is explained in the section on errors.
  const std::string errors = RunTogether(lines, sections[kHelpSectionCount - 1].line, lines.size() + 1);
  const std::string messages[] = {"自動保存しませんでした",
                                  "無効/非表示ｳｨﾝﾄﾞｳにはﾌｫｰｶｽを設定できません",
                                  "見つかりませんでした",
                                  "置換する文字列を入力してください",
                                  "個の文字を置換しました",
                                  "ロード出来ません",
                                  "ファイルの存在するデーターは記録しません",
                                  "は変更されています",
                                  "設定を保存しました",
                                  "' は整数ではありません",
                                  "'Top' の設定に失敗しました",
                                  "' の取得に失敗しました",
                                  " に書き込めません",
                                  "ログシートをセーブしますか ?",
                                  " のログシートを読み込めません",
                                  "子項目のある項目は交換出来ません",
                                  core::outline_message::kLineTooLong,
                                  core::outline_message::kReadError,
                                  core::outline_message::kBadIndex,
                                  core::outline_message::kTooDeep,
                                  core::outline_message::kUnwritableText,
                                  " は壊れています"};
  for (const std::string& message : messages) EXPECT_NE(errors.find(message), std::string::npos) << message;

  // A text without one of the headings, or with them out of order, has no table.
  std::string headings = "title\r\n";
  for (int n = 1; n <= kHelpSectionCount; ++n) headings += "　　" + FullWidthNumber(n) + "：x\r\n";
  EXPECT_EQ(FindHelpSections(headings)[10].line, 12);
  std::string missing = headings;
  missing.erase(missing.find("　　６："), std::string("　　６：x\r\n").size());
  EXPECT_THROW(FindHelpSections(missing), core::Error);
  std::string swapped = "title\r\n";
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10}) swapped += "　　" + FullWidthNumber(n) + "：x\r\n";
  EXPECT_THROW(FindHelpSections(swapped), core::Error);
}

}  // namespace
