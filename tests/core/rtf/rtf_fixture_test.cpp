// The files the Windows rich edit control wrote (see tests/fixtures/tools/make_rtf_fixtures.cpp)
// read back to the text and formatting the control held.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"
#include "tests/core/rtf/rtf_test_support.h"

namespace {

using namespace core::rtf;
using namespace rtf_test;

std::string Fixture(const std::string& name) {
  std::ifstream in(std::string(POCHIRA_FIXTURES) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(RtfFixtures, PlainMemoInOneFont) {
  RichText expected;
  expected.Append("今日の予定\r\t会議 10:00\rソフト表示 ボマ {x}\\y", Gothic(18));
  EXPECT_EQ(ReadRtf(Fixture("memo_plain.rtf")), expected);
}

TEST(RtfFixtures, EveryKindOfFormattingInNeighbouringRuns) {
  // As the control reported the formatting back (EM_GETCHARFORMAT per character).
  RichText expected;
  expected.Append("太字", Gothic(18, kBold));
  expected.Append("斜体", Format("ＭＳ Ｐ明朝", kShiftJisCharset, 24, kItalic, 0x0000FF));
  expected.Append("下線", Format("ＭＳ Ｐゴシック", kShiftJisCharset, 20, kUnderline, 0x008000));
  expected.Append("取消", Gothic(18, kStrike, 0xFF0000));
  expected.Append("ソ表ボマ", Gothic(32, kBold | kItalic | kUnderline | kStrike, 0x563412));
  expected.Append("\r", Gothic(18));
  expected.Append("Arial {1}\\\t", Format("Arial", kAnsiCharset, 20, kBold, 0x800080));
  expected.Append("ﾊﾝｶｸ", Gothic(18));
  RichText text = ReadRtf(Fixture("memo_formats.rtf"));
  EXPECT_EQ(text, expected);
  EXPECT_EQ(ReadRtf(WriteRtf(text)), text);
}

TEST(RtfFixtures, EmptyMemo) { EXPECT_EQ(ReadRtf(Fixture("memo_empty.rtf")), RichText{}); }

TEST(RtfFixtures, JapaneseInAWesternFontComesAsUnicodeWithQuestionMarks) {
  // The control could not write these in the font's code page; '?' is all the file holds
  // besides the codes.
  RichText expected;
  expected.Append("abc????", Format("Arial", kAnsiCharset, 20, 0, 0x000000));
  EXPECT_EQ(ReadRtf(Fixture("memo_western_font.rtf")), expected);
}

}  // namespace
