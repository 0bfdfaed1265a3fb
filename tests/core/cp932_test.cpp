#include "core/cp932.h"

#include <gtest/gtest.h>

using namespace core::cp932;

TEST(Cp932Paths, DirectoryAndExtensionStepOverDoubleByteCharacters) {
  // "表" and "ソ" end in 0x5C, the byte of "\\": it must not be taken for a separator.
  EXPECT_EQ(ExtractFileDir("C:\\メモ表\\ぽちーら.exe"), "C:\\メモ表");
  EXPECT_EQ(ExtractFileDir("C:\\ソ"), "C:");
  EXPECT_EQ(ExtractFileDir("pochira.exe"), "");
  EXPECT_EQ(ChangeFileExt("C:\\app\\pochira.exe", ".ini"), "C:\\app\\pochira.ini");
  EXPECT_EQ(ChangeFileExt("C:\\a.b\\pochira", ".ini"), "C:\\a.b\\pochira.ini");
  EXPECT_EQ(ChangeFileExt("C:\\表.dir\\表", ".ini"), "C:\\表.dir\\表.ini");
  EXPECT_EQ(FindLastChar("ソ\\", "\\"), 2u);
  EXPECT_EQ(FindLastChar("ソ", "\\"), std::string::npos);
}
