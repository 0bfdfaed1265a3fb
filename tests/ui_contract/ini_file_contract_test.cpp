#include <string>

#include "tests/ui_contract/contract_fixture.h"
#include "ui/exception.h"
#include "ui/file.h"
#include "ui/ini_file.h"

// The same bytes on disk, read and written through each backend's INI file.
class IniContract : public Contract {
 protected:
  std::string Plant(const std::string& name, const std::string& bytes) {
    std::string path = ui::probe::ScratchFolder() + "\\" + name;
    ui::ReplaceFileBytes(path, bytes);
    return path;
  }
  std::string PathOf(const std::string& name) { return ui::probe::ScratchFolder() + "\\" + name; }
};

TEST_F(IniContract, NamesIgnoreCaseAndBlanksAndTheFirstSectionAndKeyWin) {
  ui::IniFile ini(Plant("names.ini",
                        "[other]\r\nfontsize=99\r\n"
                        "[option:form1]\r\n"
                        "  FontSize  =  16  \r\n"
                        "\tspaced key\t=\ta b  c\t\r\n"
                        "dup=first\r\n"
                        "dup=second\r\n"
                        "novalue\r\n"
                        "blank=\r\n"
                        "[Option:Form1]\r\n"
                        "extra=from the second section\r\n"
                        "[ Padded ]\r\n"
                        "k=v\r\n"));
  EXPECT_EQ(ini.ReadString("Option:Form1", "fontsize", "-"), "16");
  EXPECT_EQ(ini.ReadString(" Option:Form1 ", " FONTSIZE ", "-"), "16");
  EXPECT_EQ(ini.ReadString("Option:Form1", "spaced key", "-"), "a b  c");
  EXPECT_EQ(ini.ReadString("Option:Form1", "dup", "-"), "first");
  EXPECT_EQ(ini.ReadString("Option:Form1", "novalue", "-"), "-") << "a line without '=' holds no value";
  EXPECT_EQ(ini.ReadString("Option:Form1", "blank", "-"), "");
  EXPECT_EQ(ini.ReadString("Option:Form1", "extra", "-"), "-") << "a repeated section is not searched";
  EXPECT_EQ(ini.ReadString("Padded", "k", "-"), "v") << "blanks inside the brackets go too";
  EXPECT_EQ(ini.ReadString(" padded ", "k", "-"), "v");
  EXPECT_EQ(ini.ReadString("Option:Form1", "missing", "def  "), "def") << "trailing blanks of a default go";
  EXPECT_EQ(ini.ReadString("nosection", "k", "  def"), "  def");
}

TEST_F(IniContract, QuotesAroundAValueAreDroppedInPairs) {
  ui::IniFile ini(Plant("quotes.ini",
                        "[s]\r\n"
                        "double=\"  two words  \"\r\n"
                        "single='x'\r\n"
                        "half=\"open\r\n"
                        "mixed=\"a'\r\n"
                        "empty=\"\"\r\n"
                        "lone=\"\r\n"
                        "inner=a\"b\"\r\n"));
  EXPECT_EQ(ini.ReadString("s", "double", "-"), "  two words  ");
  EXPECT_EQ(ini.ReadString("s", "single", "-"), "x");
  EXPECT_EQ(ini.ReadString("s", "half", "-"), "\"open");
  EXPECT_EQ(ini.ReadString("s", "mixed", "-"), "\"a'");
  EXPECT_EQ(ini.ReadString("s", "empty", "-"), "");
  EXPECT_EQ(ini.ReadString("s", "lone", "-"), "\"");
  EXPECT_EQ(ini.ReadString("s", "inner", "-"), "a\"b\"");
}

TEST_F(IniContract, NumbersAndFlagsFollowTheSettingsFileRules) {
  ui::IniFile ini(Plant("numbers.ini",
                        "[n]\r\n"
                        "hex=0x10\r\nHEX=0X1f4\r\nbare=0x\r\nnegative=-25\r\nplus=+7\r\nspaced= 42 \r\n"
                        "word=abc\r\ntrailing=12abc\r\nempty=\r\nfraction=1.5\r\nbig=99999999999\r\n"
                        "allbits=0xFFFFFFFF\r\n"
                        "on=1\r\noff=0\r\nminus=-3\r\nhexoff=0x0\r\nyes=yes\r\n"));
  EXPECT_EQ(ini.ReadInteger("n", "hex", 7), 16);
  EXPECT_EQ(ini.ReadInteger("n", "HEX", 7), 16) << "the first of the two spellings";
  EXPECT_EQ(ini.ReadInteger("n", "bare", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "negative", 7), -25);
  EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("n", "spaced", 7), 42);
  EXPECT_EQ(ini.ReadInteger("n", "word", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "trailing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "empty", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "fraction", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "big", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "allbits", 7), -1);
  EXPECT_EQ(ini.ReadInteger("n", "missing", 7), 7);
  EXPECT_TRUE(ini.ReadBool("n", "on", false));
  EXPECT_FALSE(ini.ReadBool("n", "off", true));
  EXPECT_TRUE(ini.ReadBool("n", "minus", false));
  EXPECT_FALSE(ini.ReadBool("n", "hexoff", true));
  EXPECT_TRUE(ini.ReadBool("n", "yes", true));
  EXPECT_FALSE(ini.ReadBool("n", "yes", false));
  EXPECT_TRUE(ini.ReadBool("n", "missing", true));
}

TEST_F(IniContract, LongLinesOddLineEndsAndAByteOrderMark) {
  std::string long_value(5000, 'a');
  std::string long_japanese;
  for (int i = 0; i < 600; ++i) long_japanese += "あ";
  ui::IniFile ini(Plant("long.ini", "[s]\r\nlong=" + long_value + "\r\njp=" + long_japanese + "\r\nafter=ok"));
  EXPECT_EQ(ini.ReadString("s", "long", "-"), std::string(1023, 'a'));
  EXPECT_EQ(ini.ReadString("s", "jp", "-"), long_japanese.substr(0, 1022)) << "cut before a split character";
  EXPECT_EQ(ini.ReadString("s", "after", "-"), "ok") << "the last line needs no line break";

  ui::IniFile unix_lines(Plant("lf.ini", "[s]\nk=v\n\n[t]\rk=w\r"));
  EXPECT_EQ(unix_lines.ReadString("s", "k", "-"), "v");
  EXPECT_EQ(unix_lines.ReadString("t", "k", "-"), "w");

  ui::IniFile bom(Plant("bom.ini", "\xEF\xBB\xBF[s]\r\nk=v\r\n"));
  EXPECT_EQ(bom.ReadString("s", "k", "-"), "v");

  // Only the file's first bytes mark it UTF-8: a plain file whose first line, after blanks,
  // starts with the mark's bytes reads the same after a write.
  ui::IniFile marked_line(Plant("mark-line.ini", "\f\xEF\xBB\xBF[s]\r\nk=before\r\n[s]\r\nk=v\r\n"));
  EXPECT_EQ(marked_line.ReadString("s", "k", "-"), "v");
  marked_line.WriteString("t", "j", "w");
  EXPECT_EQ(marked_line.ReadString("s", "k", "-"), "v");
  EXPECT_EQ(marked_line.ReadString("t", "j", "-"), "w");

  ui::IniFile wide_blank(Plant("wide.ini", "[s]\r\nk=値　\r\n"));
  EXPECT_EQ(wide_blank.ReadString("s", "k", "-"), "値　");
}

TEST_F(IniContract, AUtf8FileWithAByteOrderMarkReadsInTheAnsiCodePage) {
  // "ぽちーら" in UTF-8 after the mark.
  ui::IniFile ini(Plant("utf8.ini", "\xEF\xBB\xBF[s]\r\nk=\xE3\x81\xBD\xE3\x81\xA1\xE3\x83\xBC\xE3\x82\x89\r\n"));
  EXPECT_EQ(ini.ReadString("s", "k", "-"), "ぽちーら");

  ini.WriteString("s", "j", "ぽ");
  EXPECT_EQ(ui::ReadFileBytes(ini.FileName()),
            "\xEF\xBB\xBF[s]\r\nk=\xE3\x81\xBD\xE3\x81\xA1\xE3\x83\xBC\xE3\x82\x89\r\nj=\xE3\x81\xBD\r\n")
      << "it stays a UTF-8 file";
}

TEST_F(IniContract, AMissingFileReadsAsDefaultsAndTheFirstWriteCreatesIt) {
  ui::IniFile ini(PathOf("new.ini"));
  EXPECT_EQ(ini.ReadInteger("Option:Form1", "haba", 487), 487);
  ini.WriteInteger("Option:Form1", "fontsize", 12);
  ini.WriteInteger("Option:Form1", "backcolor", -1);
  ini.WriteBool("Option:Form1", "gamen", true);
  ini.WriteBool("Option:Form1", "anime", false);
  ini.WriteString("Option:Form1", "hiduke", "2024/05/06");
  EXPECT_EQ(ui::ReadFileBytes(ini.FileName()),
            "[Option:Form1]\r\nfontsize=12\r\nbackcolor=-1\r\ngamen=1\r\nanime=0\r\nhiduke=2024/05/06\r\n");
}

TEST_F(IniContract, AWriteKeepsEverySectionAndKeyAndPutsTheFileInTheDesktopsOwnForm) {
  ui::IniFile ini(Plant("keep.ini",
                        "\r\n top = 1\r\n"
                        "[first]\r\na=1\r\n\r\n"
                        "[Option:Form1]\r\nx=1\r\nHaba=3\r\nnovalue\r\n;comment\r\n  k = \" q \" \r\n\r\n"
                        "[last]\r\nz=9\r\n"
                        "[option:form1]\r\nx=2"));
  ini.WriteInteger("option:form1", "haba", 487);
  ini.WriteString("Option:Form1", "y", "  lead and trail  ");
  ini.WriteString("new", "k", "v");
  EXPECT_EQ(
      ui::ReadFileBytes(ini.FileName()),
      "top=1\r\n"
      "[first]\r\na=1\r\n"
      "[Option:Form1]\r\nx=1\r\nHaba=487\r\nnovalue\r\n;comment\r\nk=\" q \"\r\ny=lead and trail\r\n"  // trailing
                                                                                                       // blanks go at
                                                                                                       // the next write
      "[last]\r\nz=9\r\n"
      "[option:form1]\r\nx=2\r\n"
      "[new]\r\nk=v\r\n");
  EXPECT_EQ(ini.ReadString("Option:Form1", "y", "-"), "lead and trail");
}

TEST_F(IniContract, AFileThatCannotBeWrittenFailsWithItsName) {
  ui::IniFile ini(PathOf("missing-folder\\pochira.ini"));
  try {
    ini.WriteInteger("Option:Form1", "haba", 487);
    FAIL() << "the write went through";
  } catch (const ui::Exception& e) {
    EXPECT_EQ(std::string(e.what()), ini.FileName() + " に書き込めません");
  }
}
