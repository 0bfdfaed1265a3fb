#include "help/help_sections.h"

#include <algorithm>
#include <string>

#include "core/error.h"
#include "help/help_text.h"

namespace {

// In the order of the viewer's buttons, which is the order of the sections.
constexpr std::array<std::string_view, kHelpSectionCount> kCaptions = {
    // the program's parts
    "ぽち～らについて",
    "セレクトボタン",
    "ぽち～ら画面",
    "メニュー",
    "オプション",
    "ログシート",
    "ログシートメニュー",
    // the ways of use, and errors
    "ﾃﾞｽｸﾄｯﾌﾟﾒﾓとして",
    "エディタとして",
    "ｱｲﾃﾞｱﾌﾟﾛｾｯｻとして",
    "エラーについて",
};

constexpr std::string_view kIndent = "　";
constexpr std::string_view kColon = "：";
constexpr std::array<std::string_view, 10> kDigits = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

std::string FullWidthNumber(int n) {
  std::string digits;
  for (char c : std::to_string(n)) digits += kDigits[c - '0'];
  return digits;
}

// An indented line that begins with the number and a colon, and names something after them.
bool IsHeading(std::string_view line, const std::string& number) {
  if (!line.starts_with(kIndent)) return false;
  while (line.starts_with(kIndent)) line.remove_prefix(kIndent.size());
  if (!line.starts_with(number)) return false;
  line.remove_prefix(number.size());
  return line.starts_with(kColon) && line.size() > kColon.size();
}

}  // namespace

int ScrollPositionOf(int line) { return std::max(0, (line - 1) * kHelpLineHeight - kHeadingGap); }

HelpSectionTable FindHelpSections(std::string_view text) {
  const std::vector<std::string_view> lines = HelpLines(text);
  HelpSectionTable table;
  std::size_t next = 0;
  for (int s = 0; s < kHelpSectionCount; ++s) {
    const std::string number = FullWidthNumber(s + 1);
    while (next < lines.size() && !IsHeading(lines[next], number)) ++next;
    if (next == lines.size())
      throw core::Error("ヘルプに見出し " + number + "：" + std::string(kCaptions[s]) + " がありません");
    const int line = static_cast<int>(next) + 1;
    table[s] = {kCaptions[s], line, ScrollPositionOf(line)};
    ++next;
  }
  return table;
}

HelpSectionTable HelpSections() { return FindHelpSections(HelpText()); }
