// Reading RTF as the rich edit control writes it, and refusing what cannot be read safely.

#include "core/rtf/rtf_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/rtf/rtf_test_support.h"

namespace {

using namespace core::rtf;
using namespace rtf_test;

// The header the control writes before the text, with two Japanese fonts named in \'xx bytes.
const std::string kHeader =
    "{\\rtf1\\ansi\\ansicpg932\\uc1\\deff0\\deflang1041\\deflangfe1041"
    "{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 \\'83\\'53\\'83\\'56\\'83\\'62\\'83\\'4e;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fcharset128 \\'82\\'6c\\'82\\'72 "
    "\\'82\\'6f\\'96\\'be\\'92\\'a9;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red18\\green52\\blue86;}\r\n"
    "{\\*\\generator Wine Riched20 2.0;}\r\n\\pard\\sl-240\\slmult1 ";

RtfError::Kind FailureOf(const std::string& data) {
  try {
    ReadRtf(data);
  } catch (const RtfError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "accepted: " << data.substr(0, 80);
  return RtfError::Kind::NotRtf;
}

TEST(RtfReader, FontColourSizeAndEffectsFollowTheControlWords) {
  RichText text = ReadRtf(kHeader +
                          "\\cf1\\fs18\\f0 \\'95\\'81\\'92\\'ca \\b\\cf2 bold\\b0\\i\\fs24\\f2 "
                          "\\'96\\'be\\i0\\ul\\strike\\cf3\\f1 Arial\\ulnone\\strike0\\cf0 auto"
                          "\\plain plain\\par\r\n}");
  RichText expected;
  expected.Append("普通 ", Gothic(18));
  expected.Append("bold", Gothic(18, kBold, 0x0000FF));
  expected.Append("明", Format("ＭＳ Ｐ明朝", kShiftJisCharset, 24, kItalic, 0x0000FF));
  expected.Append("Arial", Format("Arial", kAnsiCharset, 24, kUnderline | kStrike, 0x563412));
  expected.Append("auto", Format("Arial", kAnsiCharset, 24, 0, kAutoColor));
  // \plain falls back to the default font and RTF's default size.
  expected.Append("plain", Gothic(kDefaultHalfPoints, 0, kAutoColor));
  EXPECT_EQ(text, expected);
}

TEST(RtfReader, GroupsScopeFormattingAndTheFontTableMayBeFlat) {
  RichText text = ReadRtf(
      "{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\fnil Courier New;\\f1\\fnil\\fcharset128 Mincho;}"
      "a{\\b\\fs40 b{\\i c}d}e\\f7 unknown font}");
  CharFormat mincho = Format("Mincho", kShiftJisCharset, kDefaultHalfPoints, 0, kAutoColor);
  CharFormat big = mincho;
  big.halfPoints = 40;
  big.bold = true;
  CharFormat bigItalic = big;
  bigItalic.italic = true;
  RichText expected;
  expected.Append("a", mincho);
  expected.Append("b", big);
  expected.Append("c", bigItalic);
  expected.Append("d", big);
  expected.Append("e", mincho);
  expected.Append("unknown font", Format("", kDefaultCharset, kDefaultHalfPoints, 0, kAutoColor));
  EXPECT_EQ(text, expected);
}

TEST(RtfReader, DoubleByteCharactersStayWholeWhateverTheirSecondByte) {
  // ソ 表 ボ マ: second bytes '\', '\', '{', '}' arrive as \'xx; raw bytes are taken as they are.
  EXPECT_EQ(ReadRtf("{\\rtf1 \\'83\\'5c\\'95\\'5c\\'83\\'7b\\'83\\'7d}").Text(), "ソ表ボマ");
  EXPECT_EQ(ReadRtf("{\\rtf1 \x93\xfa\x95\x74}").Text(), "日付");
  // A raw lead byte whose second byte comes escaped.
  EXPECT_EQ(ReadRtf("{\\rtf1 \x83\\\\}").Text(), "ソ");
  // A lead byte cut off by a paragraph mark or the end is dropped, never left dangling.
  EXPECT_EQ(ReadRtf("{\\rtf1 a\\'83\\par b\\'83}").Text(), "a\rb");
  // Half-width katakana are single bytes, not lead bytes.
  EXPECT_EQ(ReadRtf("{\\rtf1 \\'ca\\'dd\\'b6\\'b8}").Text(), "ﾊﾝｶｸ");
}

TEST(RtfReader, ParagraphsLineBreaksTabsAndEscapedCharacters) {
  EXPECT_EQ(ReadRtf("{\\rtf1 one\\par\r\ntwo\\line three\\tab four\tfive}").Text(), "one\rtwo\vthree\tfour\tfive");
  EXPECT_EQ(ReadRtf("{\\rtf1 \\{x\\}\\\\y}").Text(), "{x}\\y");
  // The file's own line breaks are no text; a backslash before one is a paragraph mark.
  EXPECT_EQ(ReadRtf("{\\rtf1 a\r\nb\\\nc}").Text(), "ab\rc");
  // The control drops the last paragraph mark only: an empty last paragraph stays.
  EXPECT_EQ(ReadRtf("{\\rtf1 a\\par}").Text(), "a");
  EXPECT_EQ(ReadRtf("{\\rtf1 a\\par\\par}").Text(), "a\r");
  EXPECT_EQ(ReadRtf("{\\rtf1 \\par}").runs.size(), 0u);
  EXPECT_EQ(ReadRtf("{\\rtf1 \\emdash\\lquote x\\rquote}").Text(), "―‘x’");
}

TEST(RtfReader, UnicodeCharactersTakeTheirFallbackBytes) {
  // What the control writes where a font's code page lacks the character: the code and '?'.
  EXPECT_EQ(ReadRtf("{\\rtf1\\uc1 a\\u26085?b}").Text(), "a?b");
  // A word processor's fallback in this code page is the character itself.
  EXPECT_EQ(ReadRtf("{\\rtf1\\uc2 \\u26085\\'93\\'fa\\u-30050\\'8c\\'ea}").Text(), "日語");
  // Codes that map one to one are converted, and their fallback skipped whatever it is.
  EXPECT_EQ(ReadRtf("{\\rtf1\\uc1 \\u65?\\u65398\\'3f\\uc3 \\u66\\tab\\'41xy}").Text(), "AｶBy");
  // Without a fallback there is nothing to show but '?'; \uc is scoped to its group.
  EXPECT_EQ(ReadRtf("{\\rtf1\\uc1 {\\uc0 \\u26412}\\u26412\\'96\\'7b}").Text(), "?本");
}

TEST(RtfReader, DestinationsItDoesNotKnowAreSkipped) {
  RichText text = ReadRtf(
      "{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
      "{\\*\\unknown {nested \\'83} text}{\\*\\generator x;}"
      "a{\\pict\\wmetafile8 0102ff\\bin4 {{\\}}b"
      "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"
      "\\madeup123 c\\sl-240\\pard\\lang1041 d}");
  EXPECT_EQ(text.Text(), "ablinkcd");
}

TEST(RtfReader, TellsPlainTextApartFromRtf) {
  EXPECT_FALSE(LooksLikeRtf("今日の予定\r\n"));
  EXPECT_FALSE(LooksLikeRtf(""));
  EXPECT_FALSE(LooksLikeRtf(" {\\rtf1 x}"));
  EXPECT_FALSE(LooksLikeRtf("{\\rt"));
  EXPECT_TRUE(LooksLikeRtf("{\\rtf1 x}"));
  EXPECT_EQ(FailureOf("plain text"), RtfError::Kind::NotRtf);
  EXPECT_EQ(FailureOf(""), RtfError::Kind::NotRtf);
}

TEST(RtfReader, WhatFollowsTheDocumentIsIgnored) {
  // The control itself ends its files with a NUL.
  EXPECT_EQ(ReadRtf(std::string("{\\rtf1 a}\0", 10)).Text(), "a");
  EXPECT_EQ(ReadRtf("{\\rtf1 a}}}{junk").Text(), "a");
}

TEST(RtfReader, RefusesMalformedDocuments) {
  const RtfError::Kind bad = RtfError::Kind::Malformed;
  EXPECT_EQ(FailureOf("{\\rtf1 unclosed"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 {\\b a}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 a\\"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\'8"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\'zz}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\bin10 abc}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\bin-1 abc}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\bin abc}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\fs2147483648 a}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\fs-2147483649 a}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\u12345678901 a}"), bad);
  EXPECT_EQ(FailureOf("{\\rtf1 \\" + std::string(33, 'a') + " x}"), bad);
  // Binary data may hold braces; its length decides.
  EXPECT_EQ(ReadRtf("{\\rtf1 {\\pict\\bin3 }}{}a}").Text(), "a");
  // The largest parameters that still fit are read, and sizes kept within the control's range.
  EXPECT_EQ(ReadRtf("{\\rtf1 \\fs2147483647 a}").runs.at(0).format.halfPoints, 3276);
  EXPECT_EQ(ReadRtf("{\\rtf1 \\cf-2147483648 a}").runs.at(0).format.color, kAutoColor);
}

TEST(RtfReader, RefusesNestingBeyondItsLimitButReadsDeepDocuments) {
  auto nested = [](int depth) { return "{\\rtf1 " + std::string(depth - 1, '{') + "x" + std::string(depth, '}'); };
  EXPECT_EQ(ReadRtf(nested(128)).Text(), "x");
  EXPECT_EQ(FailureOf(nested(129)), RtfError::Kind::Malformed);
  EXPECT_EQ(FailureOf(nested(100000)), RtfError::Kind::Malformed);
  // Many groups one after another are no nesting at all.
  std::string flat = "{\\rtf1 ";
  for (int i = 0; i < 100000; ++i) flat += "{\\b x}";
  EXPECT_EQ(ReadRtf(flat + "}").Text().size(), 100000u);
}

}  // namespace
