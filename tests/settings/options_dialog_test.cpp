#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "settings/options_dialog.h"
#include "tests/memo/shown_memo.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/file.h"
#include "ui/headless/disk.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

const std::string kIni = "C:\\pochira\\pochira.ini";
constexpr int kDelete = 0x2E;

// The memo shown as at a first start, with the options window made beside it, as start-up makes
// them; the user opens the options from the memo's context menu.
class OptionsDialog : public ShownMemo {
 protected:
  void SetUp() override {
    ShownMemo::SetUp();
    app.CreateForm(OptionDlg);
  }
  void TearDown() override { ui::headless::SetFileFault(nullptr); }

  TOptionDlg& dlg() { return *OptionDlg; }
  static void Tick(int times = 1) { ui::headless::FireTimers(times); }
  void OpenOptions() {
    Choose({"環境設定", "ｵﾌﾟｼｮﾝ"});
    Tick();
  }
  static void Retype(ui::Edit& edit, const std::string& text) {
    ui::probe::Focus(edit);
    edit.SelectAll();
    if (text.empty()) ui::probe::PressKey(edit, kDelete);
    ui::probe::Type(edit, text);
  }
  void TypeSize(const std::string& chars, const std::string& lines) {
    if (!dlg().CheckBox2.Checked()) ui::probe::Click(dlg().CheckBox2);
    Tick();
    Retype(dlg().Edit1, chars);
    Retype(dlg().Edit2, lines);
  }
  static int FontPixels() { return Form1->Edit1.GetFont().PixelHeight(); }
  static std::string LastBox() { return ui::probe::Boxes().empty() ? "" : ui::probe::Boxes().back().text; }
  static std::string IniText() {
    std::ifstream in(ui::headless::HostPath(kIni), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The options as the memo will show them, to compare a whole state at once.
  static std::string Options() {
    const DisplaySettings& d = Display;
    return std::to_string(d.haba) + "x" + std::to_string(d.takasa) + " prev" + std::to_string(d.PreviousHaba) +
           " font" + std::to_string(FontPixels()) + " flags" + std::to_string(d.gamen) + std::to_string(d.anime) +
           std::to_string(d.fixfont) + std::to_string(d.mojikesi) + std::to_string(d.fixcolor) +
           std::to_string(d.fontcolor) + std::to_string(d.flex) + std::to_string(d.hanten) + std::to_string(d.Bar) +
           std::to_string(d.fontbold) + " colours" + std::to_string(d.backcolor) + "," +
           std::to_string(d.ChosenFontColor);
  }
  void ExpectStillOpen() {
    EXPECT_TRUE(ui::probe::NativeVisible(dlg()));
    EXPECT_FALSE(ui::probe::NativeVisible(*Form1));
    EXPECT_EQ(Form1->Timer1.Interval(), 0);
  }
  void ExpectBackAtTheMemo() {
    EXPECT_FALSE(ui::probe::NativeVisible(dlg()));
    EXPECT_TRUE(ui::probe::NativeVisible(*Form1));
    EXPECT_EQ(Form1->Timer1.Interval(), 1);
  }
};

}  // namespace

TEST_F(OptionsDialog, OpensOverTheHiddenStillMemoWithTheDefaultsAndCancelDropsEveryChange) {
  const std::string before = Options();
  OpenOptions();
  ExpectStillOpen();
  EXPECT_EQ(ui::probe::NativeCaption(dlg()), "オプション");
  EXPECT_EQ(ui::probe::NativeClientSize(dlg()), (ui::Size{420, 417}));
  EXPECT_TRUE(ui::probe::NativeStayOnTop(dlg()));

  EXPECT_FALSE(ui::probe::NativeChecked(dlg().CheckBox2));
  EXPECT_EQ(dlg().Edit1.Text(), "80");
  EXPECT_EQ(dlg().Edit2.Text(), "16");
  EXPECT_FALSE(ui::probe::NativeChecked(dlg().CheckBox11));
  for (ui::CheckBox* on : {&dlg().CheckBox1, &dlg().CheckBox10, &dlg().CheckBox9})
    EXPECT_TRUE(ui::probe::NativeChecked(*on));
  for (ui::CheckBox* off :
       {&dlg().CheckBox3, &dlg().CheckBox5, &dlg().CheckBox4, &dlg().CheckBox7, &dlg().CheckBox8, &dlg().CheckBox6}) {
    EXPECT_FALSE(ui::probe::NativeChecked(*off)) << off->Caption();
  }
  EXPECT_FALSE(ui::probe::NativeEnabled(dlg().Button1));
  EXPECT_FALSE(ui::probe::NativeEnabled(dlg().Button3));
  EXPECT_FALSE(ui::probe::NativeVisible(dlg().Edit1));
  EXPECT_FALSE(ui::probe::NativeVisible(dlg().ListBox1));
  EXPECT_EQ(ui::probe::NativeCaptionColor(dlg().CheckBox2), ui::clBlack);
  EXPECT_EQ(ui::probe::NativeItems(dlg().ListBox1), (std::vector<std::string>{"9", "10", "11", "12", "14", "16", ""}));
  EXPECT_EQ(ui::probe::NativeItemIndex(dlg().ListBox1), -1);

  // The dependent controls follow their boxes at the next tick.
  for (ui::CheckBox* box :
       {&dlg().CheckBox2, &dlg().CheckBox3, &dlg().CheckBox5, &dlg().CheckBox11, &dlg().CheckBox8, &dlg().CheckBox1}) {
    ui::probe::Click(*box);
  }
  Tick();
  EXPECT_EQ(ui::probe::NativeCaptionColor(dlg().CheckBox2), ui::clWhite);
  for (ui::WinControl* shown :
       std::initializer_list<ui::WinControl*>{&dlg().Edit1, &dlg().Edit2, &dlg().ListBox1, &dlg().ListBox2}) {
    EXPECT_TRUE(ui::probe::NativeVisible(*shown));
  }
  EXPECT_TRUE(dlg().Label1.Visible() && dlg().Label2.Visible() && dlg().Label4.Visible());
  EXPECT_TRUE(ui::probe::NativeEnabled(dlg().Button1));
  EXPECT_TRUE(ui::probe::NativeEnabled(dlg().Button3));
  ui::probe::ClickRow(dlg().ListBox1, 5);
  Retype(dlg().Edit1, "30");

  // Esc is the cancel button's, wherever the keyboard is.
  ui::probe::PressKey(dlg().CheckBox8, ui::kKeyEscape);
  ExpectBackAtTheMemo();
  EXPECT_EQ(Options(), before);
  EXPECT_FALSE(ui::FileExists(kIni));

  // The memo runs again: it fits itself to what is typed.
  int width = Form1->Edit1.Width();
  ui::probe::Type(Form1->Edit1, "これは長くなった一行のメモです");
  Tick(3);
  EXPECT_GT(Form1->Edit1.Width(), width);

  // The controls keep the user's last states until the next showing loads them again.
  EXPECT_TRUE(dlg().CheckBox5.Checked());
  OpenOptions();
  EXPECT_FALSE(dlg().CheckBox5.Checked());
  EXPECT_FALSE(dlg().CheckBox2.Checked());
  EXPECT_EQ(dlg().Edit1.Text(), "80");
}

TEST_F(OptionsDialog, OkKeepsASizeInCharactersAndLinesForTheRunAndTheNextShowingReadsItBack) {
  OpenOptions();
  ui::probe::Click(dlg().CheckBox11);
  Tick();
  ui::probe::ClickRow(dlg().ListBox1, 3);  // "12" points: 16 pixels
  TypeSize("60", "10");
  ui::probe::PressKey(dlg().Edit2, ui::kKeyEnter);  // OK is the default button

  ExpectBackAtTheMemo();
  EXPECT_EQ(FontPixels(), 16);
  EXPECT_EQ(Display.haba, 489);
  EXPECT_EQ(Display.takasa, 169);
  EXPECT_EQ(Display.PreviousHaba, 487) << "the width before OK";
  EXPECT_FALSE(ui::FileExists(kIni)) << "OK writes nothing";

  OpenOptions();
  EXPECT_TRUE(dlg().CheckBox2.Checked());
  EXPECT_EQ(dlg().Edit1.Text(), "60");
  EXPECT_EQ(dlg().Edit2.Text(), "10");
  EXPECT_TRUE(dlg().CheckBox11.Checked());
  EXPECT_EQ(dlg().ListBox1.ItemIndex(), 3);

  // The empty row, as no row, keeps the font; bold is kept for the memo's next showing.
  ui::probe::ClickRow(dlg().ListBox1, 6);
  ui::probe::ClickRow(dlg().ListBox2, 1);
  ui::probe::Click(dlg().OKBtn);
  EXPECT_EQ(FontPixels(), 16);
  EXPECT_TRUE(Display.fontbold);
  EXPECT_EQ(Display.PreviousHaba, 489);
  EXPECT_EQ(Display.haba, 489);

  // Unticking the size group goes back to 12 pixels, regular, and 80 by 16.
  OpenOptions();
  ui::probe::Click(dlg().CheckBox11);
  ui::probe::Click(dlg().CheckBox2);
  ui::probe::Click(dlg().OKBtn);
  EXPECT_EQ(FontPixels(), 12);
  EXPECT_FALSE(Display.fontbold);
  EXPECT_EQ(Display.haba, 487);
  EXPECT_EQ(Display.takasa, 199);
}

TEST_F(OptionsDialog, OkAndSaveKeepTheirOwnMarginsAndOnlySaveWritesTheFourteenKeys) {
  OpenOptions();
  ui::probe::Click(dlg().CheckBox11);
  ui::probe::ClickRow(dlg().ListBox1, 5);  // "16" points: 21 pixels
  ui::probe::Click(dlg().OKBtn);
  EXPECT_EQ(FontPixels(), 21);
  EXPECT_EQ(Display.haba, 40 * 21 + 12);
  EXPECT_EQ(Display.takasa, 16 * 21 + 12);
  EXPECT_FALSE(ui::FileExists(kIni));

  OpenOptions();
  EXPECT_FALSE(dlg().CheckBox2.Checked()) << "OK's own sizes for this font read as the defaults";
  EXPECT_EQ(dlg().Edit1.Text(), "80");
  EXPECT_EQ(dlg().ListBox1.ItemIndex(), 5);
  ui::probe::ClickRow(dlg().ListBox2, 1);
  ui::probe::Click(dlg().CheckBox8);
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::Click(dlg().Button2);

  EXPECT_EQ(LastBox(), "設定を保存しました");
  ExpectBackAtTheMemo();
  EXPECT_EQ(Display.haba, 847);
  EXPECT_EQ(Display.takasa, 343);
  EXPECT_TRUE(Display.fontbold);
  EXPECT_TRUE(Display.anime);
  EXPECT_EQ(Display.PreviousHaba, 487) << "the save command leaves it";
  EXPECT_EQ(IniText(),
            "[Option:Form1]\r\nfontsize=21\r\nhaba=847\r\ntakasa=343\r\nbackcolor=0\r\nhanten=0\r\ngamen=1\r\n"
            "anime=1\r\nfixfont=1\r\nfontcolor=0\r\nmojikesi=0\r\nfixcolor=0\r\nflex=1\r\nBar=0\r\nfontbold=1\r\n");
}

TEST_F(OptionsDialog, ASizeThatIsNotACountOnTheScreenChangesNothingAndKeepsTheDialogOpen) {
  OpenOptions();
  ui::probe::Click(dlg().CheckBox8);
  ui::probe::Click(dlg().CheckBox11);
  ui::probe::ClickRow(dlg().ListBox1, 3);
  const std::string before = Options();
  struct Case {
    std::string chars, lines, message;
  };
  // At 16 pixels the memo window is 20 pixels wider than 9 plus 8 per character and 25 taller
  // than 9 plus 16 per line: 124 characters and 45 lines fit the 1024 by 768 screen.
  for (const Case& c :
       {Case{"", "10", "'' は整数ではありません"}, Case{"abc", "10", "'abc' は整数ではありません"},
        Case{"６０", "10", "'６０' は整数ではありません"}, Case{" 60", "10", "' 60' は整数ではありません"},
        Case{"6 0", "10", "'6 0' は整数ではありません"},
        Case{"-5", "10", "'-5' は範囲外です。1 から 124 までの数を入力してください"},
        Case{"0", "10", "'0' は範囲外です。1 から 124 までの数を入力してください"},
        Case{"125", "10", "'125' は範囲外です。1 から 124 までの数を入力してください"},
        Case{"99999999999", "10", "'99999999999' は範囲外です。1 から 124 までの数を入力してください"},
        Case{"60", "x", "'x' は整数ではありません"},
        Case{"60", "50", "'50' は範囲外です。1 から 45 までの数を入力してください"},
        Case{"60", "65545", "'65545' は範囲外です。1 から 45 までの数を入力してください"}}) {
    TypeSize(c.chars, c.lines);
    ui::probe::Answer(ui::ModalResult::OK);
    ui::probe::Click(dlg().OKBtn);
    EXPECT_EQ(LastBox(), c.message);
    EXPECT_EQ(Options(), before) << "nothing applied for " << c.chars << " by " << c.lines;
    ExpectStillOpen();
    // The save command measures with its own margin, which may allow a line more.
    ui::probe::Answer(ui::ModalResult::OK);
    ui::probe::Click(dlg().Button2);
    EXPECT_EQ(LastBox().substr(0, c.message.find("1 から")), c.message.substr(0, c.message.find("1 から")));
    EXPECT_EQ(Options(), before);
    EXPECT_FALSE(ui::FileExists(kIni)) << "the save command writes nothing";
  }

  TypeSize("124", "45");
  ui::probe::Click(dlg().OKBtn);
  ExpectBackAtTheMemo();
  EXPECT_EQ(Display.haba, 124 * 8 + 9);
  EXPECT_EQ(Display.takasa, 45 * 16 + 9);
  EXPECT_TRUE(Display.anime);
  Tick(3);
  EXPECT_LE(Form1->Width(), 1024);
}

TEST_F(OptionsDialog, ASettingsFileThatCannotBeWrittenIsReportedAndOnlyOkThenAppliesTheChoices) {
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step != ui::headless::FileStep::Read && path == kIni) throw ui::FileError("書き込み禁止");
  });
  const std::string before = Options();
  OpenOptions();
  ui::probe::Click(dlg().CheckBox7);
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::Click(dlg().Button2);
  EXPECT_EQ(LastBox(), kIni + " に書き込めません");
  EXPECT_EQ(ui::probe::Boxes().size(), 1u) << "no success message";
  ExpectStillOpen();
  EXPECT_EQ(Options(), before);

  ui::probe::Click(dlg().OKBtn);
  ExpectBackAtTheMemo();
  EXPECT_TRUE(Display.hanten);
}

TEST_F(OptionsDialog, TheColourButtonsShareOneColourDialogAndTheMemoShowsTheFixedBackground) {
  OpenOptions();
  ui::probe::Click(dlg().CheckBox3);
  ui::probe::Click(dlg().CheckBox5);
  Tick();
  ui::probe::AnswerColorDialog(0x80FF80);
  ui::probe::Click(dlg().Button1);
  ui::probe::AnswerColorDialog(std::nullopt);
  ui::probe::Click(dlg().Button3);
  EXPECT_EQ(Display.ChosenFontColor, 0u) << "cancel leaves the colour";
  ui::probe::AnswerColorDialog(0x0000C0);
  ui::probe::Click(dlg().Button3);
  EXPECT_EQ(ui::probe::ColorDialogs(), (std::vector<ui::Color>{0, 0x80FF80, 0x80FF80}));
  EXPECT_EQ(Display.backcolor, 0x80FF80u);
  EXPECT_EQ(Display.ChosenFontColor, 0x0000C0u);

  ui::probe::Click(dlg().OKBtn);
  EXPECT_EQ(Form1->Edit1.GetColor(), 0x80FF80u) << "the memo's showing applies the fixed background";
  EXPECT_EQ(Form1->Edit1.GetFont().color, 0x0000C0u);

  // The next showing preselects the background colour again.
  OpenOptions();
  ui::probe::AnswerColorDialog(std::nullopt);
  ui::probe::Click(dlg().Button1);
  EXPECT_EQ(ui::probe::ColorDialogs().back(), 0x80FF80u);
  ui::probe::CloseByUser(dlg());
  EXPECT_FALSE(ui::probe::NativeVisible(dlg()));
  EXPECT_FALSE(ui::probe::NativeVisible(*Form1)) << "the frame's close leaves the memo hidden and still";
  EXPECT_EQ(Form1->Timer1.Interval(), 0);
}
