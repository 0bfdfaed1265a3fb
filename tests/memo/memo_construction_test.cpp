#include <gtest/gtest.h>

#include <fstream>

#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"
#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"
#include "ui/registry.h"

namespace {

constexpr char kPositionKey[] = "\\Software\\Brenmar\\ぽちーら";

// The memo window made as the start-up makes it, from what lies on the desktop's disk.
class MemoWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = MemoState{};
    Display = DisplaySettings{};
  }
  void PutFile(const char* windows_path, const std::string& bytes) {
    std::ofstream(ui::headless::HostPath(windows_path), std::ios::binary) << bytes;
  }
  void Settings(const std::string& keys) { PutFile("C:\\pochira\\pochira.ini", "[Option:Form1]\r\n" + keys); }
  TForm1& Create() {
    app.CreateForm(Form1);
    return *Form1;
  }

  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
};

}  // namespace

TEST(MemoSize, ArithmeticForTheFontHeights) {
  EXPECT_EQ(memo::WidthOfChars(80, 12), 487);
  EXPECT_EQ(memo::HeightOfLines(16, 12), 199);
  EXPECT_EQ(memo::HeightOfLines(2, 12), 31);
  EXPECT_EQ(memo::Margin(21), 7);
  EXPECT_EQ(memo::Allowance(21), 15);
  EXPECT_EQ(memo::Margin(24), 14);
  EXPECT_EQ(memo::WidthOfChars(60, 16), 487);
  EXPECT_EQ(memo::HeightOfLines(10, 16), 167);
}

TEST_F(MemoWindow, FirstStartBeepsAndTakesTheBuiltInShape) {
  TForm1& memo = Create();

  EXPECT_EQ(ui::headless::Beeps(), 1) << "no autosave file to read";
  EXPECT_EQ(memo.GetBounds(), (ui::Bounds{1024 - 160, 0, 80, 61}));
  EXPECT_EQ(memo.Edit1.GetBounds(), (ui::Bounds{10, 15, 60, 36}));
  EXPECT_EQ(Display.haba, 487);
  EXPECT_EQ(Display.takasa, 199);
  EXPECT_EQ(Display.PreviousHaba, 487);
  EXPECT_FALSE(memo.Visible());
  EXPECT_FALSE(memo.Edit1.WordWrap());
  EXPECT_FALSE(memo.K11.Enabled()) << "nothing to undo before the first clear";
}

TEST_F(MemoWindow, StoredFontSizeIsReadInDecimalOrHexadecimalAndTheLimitsStay) {
  for (const char* fontsize : {"16", "0x10"}) {
    SCOPED_TRACE(fontsize);
    Settings(std::string("fontsize=") + fontsize + "\r\nhaba=abc\r\n");
    Create();
    EXPECT_EQ(Form1->Edit1.GetFont().PixelHeight(), 16);
    EXPECT_EQ(Display.haba, 487) << "a haba that is not a number is missing";
    EXPECT_EQ(Display.takasa, 199);
    app.DestroyForm(Form1);
  }
}

TEST_F(MemoWindow, StoredSwitchesReplaceTheBuiltInOnes) {
  Settings("gamen=0\r\nfixfont=0\r\nflex=0\r\nBar=5\r\nhanten=1\r\n");
  Create();
  EXPECT_FALSE(Display.gamen);
  EXPECT_FALSE(Display.fixfont);
  EXPECT_FALSE(Display.flex);
  EXPECT_TRUE(Display.Bar) << "any whole number but 0 is on";
  EXPECT_TRUE(Display.hanten);
}

TEST_F(MemoWindow, AFixedColourIsTheBackgroundAtEveryShowAndOtherwiseOneOfTen) {
  Settings("fixcolor=1\r\nbackcolor=33023\r\nfontcolor=1\r\n");
  TForm1& memo = Create();
  for (int show = 0; show < 2; ++show) {
    memo.Show();
    EXPECT_EQ(ui::headless::BackgroundOf(Form1->Edit1), 33023u);
    EXPECT_EQ(memo.Edit1.GetFont().color, ui::clBlack) << "no font colour chosen in this run";
    memo.Hide();
  }
  Display.fixcolor = false;
  ui::headless::QueueRandom(3);
  memo.Show();
  EXPECT_EQ(ui::headless::BackgroundOf(Form1->Edit1), ui::clAqua);
}

TEST_F(MemoWindow, WithFlexOffAShowGivesTheFixedSizeWordWrappedInTheFixedPitchFont) {
  Settings("flex=0\r\n");
  TForm1& memo = Create();
  memo.Show();
  EXPECT_EQ(memo.Edit1.Width(), 487);
  EXPECT_EQ(memo.Edit1.Height(), 199);
  EXPECT_TRUE(memo.Edit1.WordWrap());
  EXPECT_EQ(memo.Edit1.GetFont().name, "ＭＳ ゴシック");
}

TEST_F(MemoWindow, AShowFitsTheEditorToItsFirstLinesAndTheTitleLineColours) {
  PutFile("C:\\pochira\\Memo1.txt", "短い\r\nこの行はとても長い行です\r\n");
  TForm1& memo = Create();
  EXPECT_EQ(ui::headless::Beeps(), 0);
  memo.Show();
  int measured = ui::TextExtent(memo.GetFont(), "この行はとても長い行です").width;
  EXPECT_EQ(measured, 12 * 12);
  EXPECT_EQ(memo.Edit1.Width(), measured + 15);
  EXPECT_EQ(memo.Edit1.Height(), 12 * 3 + 7) << "LineCounter 2 gives three lines";
  EXPECT_FALSE(memo.Edit1.WordWrap());
  EXPECT_EQ(memo.Label1.GetFont().color, ui::clBlack);
  EXPECT_EQ(memo.Label2.GetFont().color, ui::clSilver);
}

TEST_F(MemoWindow, AWideTextAtShowStopsAtTheWidthLimitWithWordWrap) {
  PutFile("C:\\pochira\\Memo1.txt", std::string(100, 'x'));
  Settings("fixfont=0\r\nBar=1\r\n");
  TForm1& memo = Create();
  memo.Show();
  EXPECT_EQ(memo.Edit1.Width(), 487);
  EXPECT_TRUE(memo.Edit1.WordWrap());
  EXPECT_EQ(memo.Edit1.GetFont().name, "ＭＳ Ｐゴシック") << "the proportional font without fixfont";
  EXPECT_EQ(memo.Edit1.GetScrollBars(), ui::ScrollBars::Vertical);
  EXPECT_TRUE(Memo.WidthLocked);
}

TEST_F(MemoWindow, TheAutosaveFileLoadsAsRichTextOrAsPlainShiftJisText) {
  PutFile("C:\\pochira\\Memo1.txt", "買い物\r\nソ表\r\n");
  Create();
  EXPECT_EQ(ui::headless::Beeps(), 0);
  EXPECT_EQ(Form1->Edit1.Lines(), (std::vector<std::string>{"買い物", "ソ表"}));
  EXPECT_EQ(Form1->Label1.Caption(), ui::LongTimeText()) << "loading the memo is a change of its text";
  EXPECT_EQ(Form1->Label2.Caption(), Form1->Label1.Caption());
  app.DestroyForm(Form1);

  core::rtf::RichText doc;
  core::rtf::CharFormat bold;
  bold.bold = true;
  doc.Append("太字のメモ", bold);
  PutFile("C:\\pochira\\Memo1.txt", core::rtf::WriteRtf(doc));
  Create();
  EXPECT_EQ(Form1->Edit1.Text(), "太字のメモ");
  EXPECT_TRUE(core::rtf::ReadRtf(Form1->Edit1.SaveToRtf()).runs.at(0).format.bold);
}

TEST_F(MemoWindow, AnAutosaveFileThatIsNoTextBeepsAndLeavesTheEditorEmpty) {
  PutFile("C:\\pochira\\Memo1.txt", std::string("{\\rtf1 {\0\0", 10));
  Create();
  EXPECT_EQ(ui::headless::Beeps(), 1);
  EXPECT_EQ(Form1->Edit1.Text(), "");
}

TEST_F(MemoWindow, ThePositionKeyPlacesTheWindowAndAFaultyOneIsReported) {
  ui::probe::PlantRegistryDword(kPositionKey, "Top", 300);
  ui::probe::PlantRegistryDword(kPositionKey, "Left", 40);
  Create();
  EXPECT_EQ(Form1->Top(), 300);
  EXPECT_EQ(Form1->Left(), 40);
  app.DestroyForm(Form1);

  ui::probe::PlantRegistryValue(kPositionKey, "Left", {ui::kRegSz, "40"});
  ui::probe::Answer(ui::ModalResult::OK);
  Create();
  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].text, "'Left' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(Form1->Left(), 1024 - 160) << "the left edge stays where construction put it";
  EXPECT_EQ(Display.haba, 487) << "construction goes on after the message";
}
