#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "memo/memo_size.h"
#include "memo/replace_dialog.h"
#include "tests/memo/shown_memo.h"
#include "ui/screen.h"

namespace {

using Lines = std::vector<std::string>;

// The memo's context menu, its edit and search submenus, and the find and replace window.
class MemoEdit : public ShownMemo {
 protected:
  void SetUp() override {
    ShownMemo::SetUp();
    app.CreateForm(ReplaceDialog1);
  }
  void Edit(const std::string& command) { Choose({"編集(&E)", command}); }
  TReplaceDialog1& dialog() { return *ReplaceDialog1; }
  // The find and replace window opened from the menu with these two texts.
  void OpenDialog(const std::string& find, const std::string& replace = "") {
    Choose({"検索（&S）", "検索・置換"});
    dialog().Find.SetText(find);
    dialog().Replace.SetText(replace);
  }
  // The message box an action shows, answered with OK; "(none)" when it shows none.
  template <class Action>
  std::string Said(Action act) {
    const std::size_t before = ui::probe::Boxes().size();
    ui::probe::Answer(ui::ModalResult::OK);
    act();
    if (ui::probe::Boxes().size() == before) return "(none)";
    EXPECT_EQ(ui::probe::Boxes().size(), before + 1) << "one box";
    return ui::probe::Boxes().back().text;
  }
  ui::Selection Selected() { return {memo().Edit1.SelStart(), memo().Edit1.SelLength()}; }
  // A search from the window's 検索 button: the selection it made.
  ui::Selection FindNext() {
    dialog().Button1.Click();
    return Selected();
  }
  std::string SearchSays() {
    return Said([&] { dialog().Button1.Click(); });
  }
  std::string ReplaceSays() {
    return Said([&] { dialog().Button2.Click(); });
  }
  std::string ReplaceAllSays() {
    return Said([&] { dialog().Button3.Click(); });
  }
  void SetText(const std::string& text) {
    memo().Edit1.SetText(text);
    memo().Edit1.SetSelStart(0);
  }
};

}  // namespace

namespace ui {
void PrintTo(const Selection& s, std::ostream* out) { *out << "{" << s.start << ", " << s.length << "}"; }
}  // namespace ui

TEST_F(MemoEdit, ClearKeepsOneUndoCopyWithItsShapeAndTheMenuFollowsTheSelectionAndClipboard) {
  TForm1& m = memo();
  ui::probe::Type(m.Edit1, "一行目\r二行目");
  Edit("コピー");
  EXPECT_FALSE(m.K2.Enabled() || m.Cut1.Enabled() || m.K3.Enabled()) << "nothing selected and nothing on the clipboard";
  EXPECT_FALSE(ui::probe::NativeClipboardText()) << "a grayed item cannot be chosen";
  Choose({"環境設定"});
  EXPECT_FALSE(m.K4.Enabled());

  Edit("全てを選択");
  Edit("コピー");
  EXPECT_EQ(ui::probe::NativeClipboardText(), "一行目\r\n二行目");
  EXPECT_EQ(m.Edit1.SelLength(), 0) << "a copy leaves nothing selected";
  EXPECT_EQ(m.Edit1.SelStart(), 0);
  Edit("全てを選択");
  Choose({"編集(&E)"});
  EXPECT_TRUE(m.K2.Enabled() && m.Cut1.Enabled() && m.K3.Enabled());

  // The shape the clear copies, and that the undo brings back.
  m.Edit1.SetBounds({15, 15, 200, 60});
  m.Edit1.SetWordWrap(true);
  m.Edit1.SetScrollBars(ui::ScrollBars::Vertical);
  Edit("クリア");
  const int h = m.Edit1.GetFont().PixelHeight();
  EXPECT_EQ(m.Edit1.Text(), "");
  EXPECT_EQ(m.Label1.Caption(), "");
  EXPECT_EQ(m.Label2.Caption(), "");
  EXPECT_EQ(m.Edit1.GetBounds(), (ui::Bounds{10, 10, memo::HalfWidth(h) * 10, 3 * h}));
  EXPECT_EQ(m.Width(), memo::HalfWidth(h) * 10 + 20);
  EXPECT_EQ(m.Height(), 3 * h + 20);
  EXPECT_FALSE(m.Edit1.WordWrap());
  EXPECT_EQ(m.Edit1.GetScrollBars(), ui::ScrollBars::None);
  EXPECT_EQ(Memo.LineCounter, 2);
  EXPECT_EQ(m.Timer1.Interval(), 1);
  EXPECT_TRUE(m.K11.Enabled());
  ui::headless::FireTimers();
  EXPECT_EQ(m.Edit1.Top(), memo::kEditorTop) << "the next tick makes room for the title line";

  ui::probe::Type(m.Edit1, "別のメモ");
  Edit("クリア");
  Edit("元に戻す");
  EXPECT_EQ(m.Edit1.Text(), "別のメモ") << "only the text from before the last clear";
  EXPECT_FALSE(m.K11.Enabled());
  EXPECT_EQ(m.Edit1.SelStart(), 0);

  m.Edit1.SetText("一行目\r\n二行目");
  m.Edit1.SetBounds({10, 15, 200, 60});
  m.Edit1.SetWordWrap(true);
  m.Edit1.SetScrollBars(ui::ScrollBars::Vertical);
  Edit("クリア");
  Edit("元に戻す");
  EXPECT_EQ(m.Edit1.Lines(), (Lines{"一行目", "二行目"}));
  EXPECT_EQ(m.Edit1.Width(), 200);
  EXPECT_EQ(m.Edit1.Height(), 60);
  EXPECT_TRUE(m.Edit1.WordWrap());
  EXPECT_EQ(m.Edit1.GetScrollBars(), ui::ScrollBars::Vertical);
  EXPECT_FALSE(m.Label1.Caption().empty()) << "the restored text is a change: its time is the title";

  // A file is emptied out of the memo without an undo copy, and is not touched: the undo still
  // brings back the memo that the open replaced.
  std::filesystem::create_directories(ui::headless::HostPath("C:\\docs"));
  std::ofstream(ui::headless::HostPath("C:\\docs\\a.txt"), std::ios::binary) << "file text";
  ui::probe::AnswerFileDialog("C:\\docs\\a.txt", false);
  Choose({"ﾌｧｲﾙ(&F)", "ﾌｧｲﾙを開く"});
  ASSERT_TRUE(Memo.FileMode);
  Edit("クリア");
  EXPECT_EQ(m.Edit1.Text(), "");
  EXPECT_FALSE(Memo.FileMode);
  std::ifstream file(ui::headless::HostPath("C:\\docs\\a.txt"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "file text");
  Edit("元に戻す");
  EXPECT_EQ(m.Edit1.Lines(), (Lines{"一行目", "二行目"}));
}

TEST_F(MemoEdit, CutPasteTopAndEndAndAClipboardThatCannotBeRead) {
  TForm1& m = memo();
  ui::probe::Type(m.Edit1, "abc\rdef");
  m.Edit1.SetSel(4, 3);
  Choose({"環境設定"});
  EXPECT_TRUE(m.K4.Enabled());
  Edit("切り取り");
  EXPECT_EQ(m.Edit1.Text(), "abc\r\n");
  EXPECT_EQ(ui::probe::NativeClipboardText(), "def");
  EXPECT_TRUE(ui::probe::NativeFocused(m.Edit1));

  Choose({"検索（&S）", "先頭"});
  Edit("貼りつけ");
  EXPECT_EQ(m.Edit1.Text(), "defabc\r\n");
  Choose({"検索（&S）", "最後"});
  EXPECT_EQ(m.Edit1.SelStart(), 6) << "before the last character, as the editor counts them";

  ui::headless::HoldClipboard(true);
  EXPECT_EQ(Said([&] { Edit("貼りつけ"); }), "ロード出来ません");
  ui::headless::HoldClipboard(false);
  EXPECT_EQ(m.Edit1.Text(), "defabc\r\n") << "no line of the memo is lost to the message";
}

TEST_F(MemoEdit, TheFontGoesToTheSelectionOnlyAndTheDialogKeepsTheLastChoice) {
  TForm1& m = memo();
  SetText("赤い字と黒い字");
  const ui::Font before = m.Edit1.SelAttributes();
  m.Edit1.SetSel(0, 3);
  const ui::Font chosen{"ＭＳ 明朝", -16, ui::fsBold | ui::fsUnderline, ui::clRed};
  ui::probe::AnswerFontDialog(chosen);
  Choose({"環境設定", "フォント"});
  ui::Font applied = m.Edit1.SelAttributes();
  EXPECT_EQ(applied.name, "ＭＳ 明朝");
  EXPECT_EQ(applied.PixelHeight(), 16);
  EXPECT_EQ(applied.style, unsigned{ui::fsBold | ui::fsUnderline});
  EXPECT_EQ(applied.color, ui::clRed);
  m.Edit1.SetSel(4, 3);
  EXPECT_EQ(m.Edit1.SelAttributes().name, before.name) << "the rest of the text keeps its font";

  ui::probe::AnswerFontDialog(std::nullopt);
  Choose({"環境設定", "フォント"});
  EXPECT_EQ(m.Edit1.SelAttributes().name, before.name) << "cancel changes nothing";
  ASSERT_EQ(ui::probe::FontDialogs().size(), 2u);
  EXPECT_EQ(ui::probe::FontDialogs()[0].name, "ＭＳ Ｐゴシック") << "its own font at first, not the selection's";
  EXPECT_EQ(ui::probe::FontDialogs()[0].PixelHeight(), 12);
  EXPECT_EQ(ui::probe::FontDialogs()[1].name, "ＭＳ 明朝") << "then the font last chosen in it";
}

TEST_F(MemoEdit, TheSearchWalksForwardIgnoringCaseAndInsideWordsUntilTheWindowIsOpenedAgain) {
  TForm1& m = memo();
  SetText("Apple apple\r\nPINEAPPLE");
  m.Edit1.SetBounds({10, 15, 200, 48});
  OpenDialog("apple");
  ASSERT_TRUE(dialog().Visible());
  EXPECT_EQ(dialog().Top(), m.Top() + 48 + 20) << "just below the memo's text";
  EXPECT_EQ(dialog().Left(), 55);
  EXPECT_TRUE(ui::probe::NativeFocused(dialog().OKBtn));
  dialog().OKBtn.Click();
  m.SetTop(ui::Screen::Height() - m.Height() - 10);
  OpenDialog("apple");
  EXPECT_EQ(dialog().Top(), m.Top() - dialog().Height()) << "above a memo too low for it to fit below";

  EXPECT_EQ(FindNext(), (ui::Selection{0, 5}));
  EXPECT_TRUE(ui::probe::NativeFocused(m.Edit1));
  EXPECT_EQ(FindNext(), (ui::Selection{6, 5}));
  EXPECT_EQ(FindNext(), (ui::Selection{16, 5})) << "a paragraph break counts one";
  EXPECT_EQ(SearchSays(), "見つかりませんでした");
  EXPECT_EQ(SearchSays(), "見つかりませんでした") << "no wrap to the top";
  EXPECT_EQ(Selected(), (ui::Selection{16, 5}));

  ui::probe::PressKey(dialog().Find, ui::kKeyEnter);
  EXPECT_FALSE(dialog().Visible()) << "Enter in a field presses OK";
  OpenDialog("APPLE");
  EXPECT_EQ(FindNext(), (ui::Selection{0, 5})) << "opened from the menu, the search starts at the top";

  // Japanese is found and selected as itself: ソ and 表 end in the byte of a backslash.
  SetText("あいう漢字ソ表");
  OpenDialog("ソ表");
  EXPECT_EQ(FindNext(), (ui::Selection{5, 2}));
  OpenDialog("表");
  EXPECT_EQ(FindNext(), (ui::Selection{6, 1}));

  // Nothing to find is said, never an endless search.
  for (const char* text : {"", "あいう漢字ソ表と続き", "\t", "a\rb", "\x01"}) {
    OpenDialog(text);
    EXPECT_EQ(SearchSays(), "見つかりませんでした") << text;
  }
  SetText("");
  OpenDialog("a", "b");
  EXPECT_EQ(SearchSays(), "見つかりませんでした");
  EXPECT_EQ(ReplaceAllSays(), "0個の文字を置換しました");
}

TEST_F(MemoEdit, ReplaceAllReplacesEachOccurrenceOnceAndSaysHowMany) {
  TForm1& m = memo();
  SetText("banana Band");
  OpenDialog("a", "aa");
  EXPECT_EQ(ReplaceAllSays(), "4個の文字を置換しました");
  EXPECT_EQ(m.Edit1.Text(), "baanaanaa Baand") << "a replacement holding the search text ends the run";
  EXPECT_EQ(ReplaceAllSays(), "0個の文字を置換しました") << "nothing left behind the last replacement";

  SetText("aaaa xaaa");
  OpenDialog("aa", "b");
  EXPECT_EQ(ReplaceAllSays(), "3個の文字を置換しました");
  EXPECT_EQ(m.Edit1.Text(), "bb xba") << "a shorter replacement skips nothing behind it";

  SetText("あいう漢字ソ表");
  OpenDialog("ソ表", "かな");
  EXPECT_EQ(ReplaceSays(), "(none)") << "a single replace says nothing";
  EXPECT_EQ(m.Edit1.Text(), "あいう漢字かな");
  EXPECT_EQ(ReplaceSays(), "0個の文字を置換しました");

  OpenDialog("かな", "");
  EXPECT_EQ(ReplaceAllSays(), "置換する文字列を入力してください") << "said once, and the run ends";
  EXPECT_EQ(m.Edit1.Text(), "あいう漢字かな");

  // The run ends showing its last replacement, with the keyboard in the editor.
  std::string lines;
  for (int i = 0; i < 40; ++i) lines += "first\r\n";
  SetText(lines + "last");
  m.Edit1.SetBounds({10, 15, 200, 48});
  OpenDialog("first", "1st");
  EXPECT_EQ(ReplaceAllSays(), "40個の文字を置換しました");
  EXPECT_EQ(ui::probe::NativeFirstVisibleLine(m.Edit1), 37) << "the 40th line, at the bottom of the editor";
  EXPECT_TRUE(ui::probe::NativeFocused(m.Edit1));
}
