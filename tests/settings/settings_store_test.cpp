#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "settings/settings_store.h"
#include "tests/failure_message.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

const std::string kIni = "C:\\pochira\\pochira.ini";

class SettingsStore : public ::testing::Test {
 protected:
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
  DisplaySettings settings;
  ui::Font font;  // the memo editor's, 12 pixels as its creation leaves it
};

}  // namespace

TEST_F(SettingsStore, TheFileLiesBesideTheExecutable) {
  EXPECT_EQ(SettingsFilePath(), kIni);
  ui::headless::SetExeName("C:\\ソフト.v2\\pochira");
  EXPECT_EQ(SettingsFilePath(), "C:\\ソフト.v2\\pochira.ini");
}

TEST_F(SettingsStore, WithoutAFileEveryValueKeepsItsDefaultAndNothingIsWritten) {
  ReadSettings(settings, font);
  DisplaySettings defaults;
  EXPECT_EQ(font.height, -12);
  EXPECT_EQ(settings.haba, defaults.haba);
  EXPECT_EQ(settings.takasa, defaults.takasa);
  EXPECT_TRUE(settings.gamen && settings.fixfont && settings.flex);
  EXPECT_FALSE(settings.anime || settings.mojikesi || settings.fixcolor || settings.fontcolor || settings.hanten ||
               settings.Bar || settings.fontbold);
  EXPECT_FALSE(ui::FileExists(kIni));
}

TEST_F(SettingsStore, StoredValuesReplaceTheDefaultsAndWhatIsNotANumberCountsAsMissing) {
  ui::ReplaceFileBytes(kIni,
                       "[Option:Form1]\r\nfontsize=0x10\r\nhaba=wide\r\ngamen=0\r\nfixfont=0\r\nflex=0\r\n"
                       "backcolor=16711680\r\nfixcolor=1\r\nfontcolor=2\r\nBar=-1\r\nfontbold=yes\r\n");
  settings.fontbold = true;
  ReadSettings(settings, font);
  EXPECT_EQ(font.height, -16);
  EXPECT_EQ(settings.haba, 487);
  EXPECT_EQ(settings.takasa, 199) << "a larger font alone does not change the stored size";
  EXPECT_FALSE(settings.gamen);
  EXPECT_FALSE(settings.fixfont);
  EXPECT_FALSE(settings.flex);
  EXPECT_EQ(settings.backcolor, ui::clBlue);
  EXPECT_TRUE(settings.fixcolor && settings.fontcolor && settings.Bar);
  EXPECT_TRUE(settings.fontbold) << "not a number: the value it had stays";
  EXPECT_FALSE(settings.anime || settings.mojikesi || settings.hanten);
}

TEST_F(SettingsStore, SizesKeepTheirLow16BitsAndAFontSizeBelowOnePixelIsIgnored) {
  ui::ReplaceFileBytes(kIni, "[Option:Form1]\r\nfontsize=0\r\nhaba=70000\r\ntakasa=-1\r\n");
  ReadSettings(settings, font);
  EXPECT_EQ(font.height, -12);
  EXPECT_EQ(settings.haba, 70000 - 65536);
  EXPECT_EQ(settings.takasa, 65535);

  ui::ReplaceFileBytes(kIni, "[Option:Form1]\r\nfontsize=-20\r\n");
  ReadSettings(settings, font);
  EXPECT_EQ(font.height, -12);
}

TEST_F(SettingsStore, SaveWritesTheFourteenKeysInOrderAndAReadGivesThemBack) {
  ui::ReplaceFileBytes(kIni, "[Other]\r\nkeep=me\r\n[Option:Form1]\r\nhiduke=2024/05/06\r\nfontsize=99\r\n");
  DisplaySettings saved;
  saved.haba = 300;
  saved.takasa = 120;
  saved.backcolor = 0x00336699;
  saved.gamen = false;
  saved.anime = true;
  saved.fixcolor = true;
  saved.hanten = true;
  saved.Bar = true;
  saved.fontbold = true;
  saved.ChosenFontColor = ui::clRed;  // not stored
  font.height = -20;
  SaveSettings(saved, font);
  EXPECT_EQ(ui::ReadFileBytes(kIni),
            "[Other]\r\nkeep=me\r\n[Option:Form1]\r\nhiduke=2024/05/06\r\nfontsize=20\r\n"
            "haba=300\r\ntakasa=120\r\nbackcolor=3368601\r\nhanten=1\r\ngamen=0\r\nanime=1\r\nfixfont=1\r\n"
            "fontcolor=0\r\nmojikesi=0\r\nfixcolor=1\r\nflex=1\r\nBar=1\r\nfontbold=1\r\n");

  ui::Font read_font;
  ReadSettings(settings, read_font);
  EXPECT_EQ(read_font.height, -20);
  EXPECT_EQ(settings.haba, saved.haba);
  EXPECT_EQ(settings.takasa, saved.takasa);
  EXPECT_EQ(settings.backcolor, saved.backcolor);
  EXPECT_EQ(std::tuple(settings.gamen, settings.anime, settings.fixfont, settings.mojikesi, settings.fixcolor,
                       settings.fontcolor, settings.flex, settings.hanten, settings.Bar, settings.fontbold),
            std::tuple(saved.gamen, saved.anime, saved.fixfont, saved.mojikesi, saved.fixcolor, saved.fontcolor,
                       saved.flex, saved.hanten, saved.Bar, saved.fontbold));
  EXPECT_EQ(ReadDate("today"), "2024/05/06") << "saving the options leaves the date alone";
}

TEST_F(SettingsStore, AFileThatCannotBeWrittenStopsTheSaveWithItsName) {
  ui::headless::SetExeName("C:\\nowhere\\pochira.exe");
  EXPECT_EQ(MessageOf([&] { SaveSettings(settings, font); }), "C:\\nowhere\\pochira.ini に書き込めません");
  EXPECT_EQ(MessageOf([&] { WriteDate("2024/05/06"); }), "C:\\nowhere\\pochira.ini に書き込めません");
}

TEST_F(SettingsStore, TheDateDefaultsToTheCurrentOneAndComesBackAsWritten) {
  EXPECT_EQ(ReadDate("2024/01/02"), "2024/01/02");
  WriteDate("2024/05/06");
  EXPECT_EQ(ui::ReadFileBytes(kIni), "[Option:Form1]\r\nhiduke=2024/05/06\r\n") << "the first shutdown makes the file";
  EXPECT_EQ(ReadDate("2024/01/02"), "2024/05/06");
  WriteDate("2024/05/07");
  EXPECT_EQ(ReadDate(""), "2024/05/07");
}

TEST_F(SettingsStore, PositionsAreWrittenTogetherAndReadBackPerWindow) {
  EXPECT_FALSE(ReadPosition("Top", "Left")) << "no key before the first shutdown";
  EXPECT_FALSE(ui::probe::NativeRegistryKeyExists(kPositionKey)) << "reading does not create the key";

  WritePositions(10, 800, -5, 40);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Top"), 10u);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Left"), 800u);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Main.Top"), static_cast<std::uint32_t>(-5));
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Main.Left"), 40u);
  EXPECT_EQ(ReadPosition("Top", "Left"), (ui::Point{800, 10}));
  EXPECT_EQ(ReadPosition("Main.Top", "Main.Left"), (ui::Point{40, -5}));

  WritePositions(1, 2, 3, 4);
  EXPECT_EQ(ReadPosition("Top", "Left"), (ui::Point{2, 1}));
}

TEST_F(SettingsStore, AKeyThatLacksAValueOrHoldsAnotherTypeFailsWithTheValuesName) {
  ui::probe::PlantRegistryDword(kPositionKey, "Top", 10);
  EXPECT_EQ(MessageOf([] { ReadPosition("Top", "Left"); }), "'Left' の取得に失敗しました");

  ui::probe::PlantRegistryValue(kPositionKey, "Top", {ui::kRegSz, std::string("10\0", 3)});
  ui::probe::PlantRegistryDword(kPositionKey, "Left", 20);
  EXPECT_EQ(MessageOf([] { ReadPosition("Top", "Left"); }), "'Top' のﾃﾞｰﾀ型が不正です");

  WritePositions(1, 2, 3, 4);
  EXPECT_EQ(ReadPosition("Top", "Left"), (ui::Point{2, 1})) << "the next shutdown mends the key";
}
