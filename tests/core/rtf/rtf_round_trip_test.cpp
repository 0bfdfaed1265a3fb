// What the writer produces reads back to the same text and formatting.

#include "core/rtf/rtf_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "core/rtf/rtf_reader.h"
#include "tests/core/rtf/rtf_test_support.h"

namespace {

using namespace core::rtf;
using namespace rtf_test;

// A memo as a user formats one: several fonts, sizes, effects and colours, Japanese text with
// the second bytes '\', '{', '}', RTF's own characters, tabs, breaks and an empty last paragraph.
RichText MixedMemo() {
  RichText memo;
  memo.Append("今日の予定\r", Gothic(18));
  memo.Append("\t会議", Gothic(18, kBold, 0x0000FF));
  memo.Append("ソフト表示", Format("ＭＳ Ｐ明朝", kShiftJisCharset, 24, kItalic, 0x008000));
  memo.Append("ボマ{x}\\y", Gothic(32, kBold | kItalic | kUnderline | kStrike, 0x563412));
  memo.Append("Arial 10; a\\b {c}", Format("Arial", kAnsiCharset, 20, kUnderline, kAutoColor));
  memo.Append(" line\vbreak", Format("Times New Roman", kAnsiCharset, 1, kStrike, 0xFFFFFF));
  memo.Append("ﾊﾝｶｸ", Format("", kDefaultCharset, 20, 0, 0x000000));
  memo.Append("\r", Gothic(18));
  return memo;
}

TEST(RtfRoundTrip, MixedFormattingAndJapaneseTextReadBackUnchanged) {
  RichText memo = MixedMemo();
  std::string rtf = WriteRtf(memo);
  EXPECT_EQ(ReadRtf(rtf), memo) << rtf;
  // Writing what was read gives the same document again.
  EXPECT_EQ(WriteRtf(ReadRtf(rtf)), rtf);
}

TEST(RtfRoundTrip, TextBytesAreNeverLeftWhereTheyCouldBeTakenForRtf) {
  std::string rtf = WriteRtf(MixedMemo());
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80) << "raw byte in " << rtf;
  // Both bytes of ソ, 表, ボ, マ are escaped, so none of their second bytes acts as '\', '{', '}'.
  EXPECT_NE(rtf.find("\\'83\\'5c\\'83\\'74\\'83\\'67\\'95\\'5c"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\'83\\'7b\\'83\\'7d\\{x\\}\\\\y"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg932", 0), 0u);
}

TEST(RtfRoundTrip, OddCornersOfTheModelSurvive) {
  RichText empty;
  EXPECT_EQ(ReadRtf(WriteRtf(empty)), empty);

  RichText defaults;  // no font named: the document's default, as a fresh control has it
  defaults.Append("abc", CharFormat{});
  EXPECT_EQ(ReadRtf(WriteRtf(defaults)), defaults);

  RichText oddFace;
  oddFace.Append("x", Format("Semi;colon {\\}", kAnsiCharset, 20, 0, 0x000000));
  oddFace.Append("\x01\x7f", Format("ＭＳ ゴシック", kShiftJisCharset, 20, 0, 0x000000));
  oddFace.Append("\r\r", Format("ＭＳ ゴシック", kShiftJisCharset, 20, kBold, 0x000000));
  EXPECT_EQ(ReadRtf(WriteRtf(oddFace)), oddFace);

  // The control holds 31 bytes of a face name; a longer one is cut between characters.
  RichText longFace;
  longFace.Append("x", Format("あいうえおかきくけこさしすせそた", kShiftJisCharset, 20, 0, 0));
  EXPECT_EQ(ReadRtf(WriteRtf(longFace)).runs.at(0).format.face, "あいうえおかきくけこさしすせそ");
}

TEST(RtfRoundTrip, JapaneseInAWesternFontComesBackInTheSameFaceWithTheJapaneseCharset) {
  // The control would read these bytes in the Western code page; text outweighs the charset.
  CharFormat arial = Format("Arial", kAnsiCharset, 20, kBold, 0x0000FF);
  RichText memo;
  memo.Append("Arial 日本語 ﾊﾝｶｸ ok", arial);
  memo.Append("次", Gothic(18));

  std::string rtf = WriteRtf(memo);
  CharFormat arialJapanese = arial;
  arialJapanese.charset = kShiftJisCharset;
  RichText expected;
  expected.Append("Arial ", arial);
  expected.Append("日本語", arialJapanese);
  expected.Append(" ", arial);
  expected.Append("ﾊﾝｶｸ", arialJapanese);
  expected.Append(" ok", arial);
  expected.Append("次", Gothic(18));
  EXPECT_EQ(ReadRtf(rtf), expected) << rtf;
}

TEST(RtfRoundTrip, WindowsLineBreaksAndOutOfRangeSizesComeBackInTheControlsTerms) {
  RichText typed;
  typed.Append("a\r\nb\nc", Format("ＭＳ ゴシック", kShiftJisCharset, 100000, 0, kAutoColor));
  RichText back = ReadRtf(WriteRtf(typed));
  EXPECT_EQ(back.Text(), "a\rb\rc");
  EXPECT_EQ(back.runs.at(0).format.halfPoints, 3276);
}

TEST(RtfRoundTrip, FontHeightsInPixelsAtTheScreensResolution) {
  // The memo's 12-pixel font is 9 points; 16 pixels are 12 points.
  EXPECT_EQ(HalfPointsFromPixels(12), 18);
  EXPECT_EQ(HalfPointsFromPixels(16), 24);
  EXPECT_EQ(PixelsFromHalfPoints(18), 12);
  EXPECT_EQ(PixelsFromHalfPoints(19), 13);
  for (int px = 1; px < 200; ++px) EXPECT_EQ(PixelsFromHalfPoints(HalfPointsFromPixels(px)), px);
}

}  // namespace
