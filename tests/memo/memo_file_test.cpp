#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/memo/shown_memo.h"
#include "ui/file.h"

namespace {

using Lines = std::vector<std::string>;

// The memo window as an editor of one file, its commands chosen from its context menu.
class MemoFile : public ShownMemo {
 protected:
  void SetUp() override {
    ShownMemo::SetUp();
    std::filesystem::create_directories(ui::headless::HostPath("C:\\docs"));
  }
  void TearDown() override { ui::headless::SetFileFault(nullptr); }

  static void PutFile(const char* path, const std::string& bytes) {
    std::ofstream(ui::headless::HostPath(path), std::ios::binary) << bytes;
  }
  static std::string FileText(const char* path) {
    std::ifstream in(ui::headless::HostPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static bool Exists(const char* path) { return std::filesystem::exists(ui::headless::HostPath(path)); }
  // What a file holds, read back as the memo reads it.
  std::string ReadBack(const char* path) {
    ui::RichEdit reader(&memo());
    EXPECT_TRUE(reader.LoadFromBytes(FileText(path)));
    return reader.Text();
  }
  void Choose(const std::string& command) { ShownMemo::Choose({"ﾌｧｲﾙ(&F)", command}); }
  void Open(const std::string& path, bool read_only = false) {
    ui::probe::AnswerFileDialog(path, read_only);
    Choose("ﾌｧｲﾙを開く");
  }
  std::string Title() { return memo().Label1.Caption(); }
  std::string LastBox() const { return ui::probe::Boxes().empty() ? "" : ui::probe::Boxes().back().text; }
};

}  // namespace

TEST_F(MemoFile, OpenEditSaveOverAndSaveAsWriteRichTextAndTheMemoKeepsItsOwnPath) {
  ui::probe::Type(memo().Edit1, "付箋のメモ");
  PutFile("C:\\docs\\メモ.txt", "一行目\r\n二行目");

  Open("C:\\docs\\メモ.txt");
  ASSERT_EQ(ui::probe::FileDialogs().size(), 1u);
  EXPECT_EQ(ui::probe::FileDialogs()[0].types, (Lines{"ﾃｷｽﾄﾌｧｲﾙ（ .txt）", "全てのﾌｧｲﾙ"}));
  EXPECT_TRUE(ui::probe::FileDialogs()[0].read_only_box);
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_EQ(memo().Edit1.Text(), "一行目\r\n二行目") << "a plain text file opens as text";
  EXPECT_EQ(Title(), "C:\\docs\\メモ.txt");
  EXPECT_EQ(memo().Label2.Caption(), Title());
  EXPECT_FALSE(memo().Edit1.ReadOnly());
  EXPECT_FALSE(memo().Edit1.Modified());
  // The sticky memo it replaced is kept for "元に戻す".
  EXPECT_TRUE(memo().K11.Enabled());
  EXPECT_EQ(memo().Memo1.Lines(), Lines{"付箋のメモ"});

  memo().Edit1.SetSelStart(static_cast<int>(memo().Edit1.Text().size()));
  ui::probe::Type(memo().Edit1, "\r追記");
  EXPECT_EQ(Title(), "C:\\docs\\メモ.txt") << "a change leaves the path in the title line";
  EXPECT_TRUE(memo().Edit1.Modified());

  Choose("上書保存");
  EXPECT_EQ(ui::probe::FileDialogs().size(), 1u) << "save over asks for no name";
  EXPECT_EQ(FileText("C:\\docs\\メモ.txt").rfind("{\\rtf", 0), 0u) << "the plain text file is written back as RTF";
  EXPECT_EQ(ReadBack("C:\\docs\\メモ.txt"), "一行目\r\n二行目\r\n追記");
  EXPECT_FALSE(memo().Edit1.Modified());

  ui::probe::AnswerFileDialog("C:\\docs\\写し.txt");
  Choose("名前をつけて保存");
  EXPECT_EQ(ReadBack("C:\\docs\\写し.txt"), "一行目\r\n二行目\r\n追記");
  EXPECT_EQ(ui::probe::FileDialogs().back().types, (Lines{"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", "全てのﾌｧｲﾙ"}));
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_EQ(Title(), "C:\\docs\\メモ.txt") << "the memo does not take the new name";

  ui::probe::Type(memo().Edit1, "！");
  Choose("上書保存");
  EXPECT_EQ(ReadBack("C:\\docs\\メモ.txt"), "一行目\r\n二行目\r\n追記！") << "save over writes to the path opened";
  EXPECT_EQ(ReadBack("C:\\docs\\写し.txt"), "一行目\r\n二行目\r\n追記");

  memo().K11.Click();
  EXPECT_EQ(memo().Edit1.Text(), "付箋のメモ") << "undo brings back the sticky memo the open replaced";
  EXPECT_FALSE(memo().K11.Enabled());
  // It is the sticky memo again: no save over can write it into the file it replaced.
  EXPECT_FALSE(Memo.FileMode);
  EXPECT_NE(Title(), "C:\\docs\\メモ.txt");
  ui::probe::AnswerFileDialog(std::nullopt);
  Choose("上書保存");
  EXPECT_EQ(ReadBack("C:\\docs\\メモ.txt"), "一行目\r\n二行目\r\n追記！");
}

TEST_F(MemoFile, TheReadOnlyBoxSetsTheEditorsMarkAtEachOpenAndAnOpenInFileModeTakesNoUndoCopy) {
  PutFile("C:\\docs\\a.txt", "読むだけ");
  PutFile("C:\\docs\\b.txt", "書ける");
  Open("C:\\docs\\a.txt", true);
  EXPECT_TRUE(memo().Edit1.ReadOnly());
  ui::probe::Type(memo().Edit1, "x");
  EXPECT_EQ(memo().Edit1.Text(), "読むだけ");
  EXPECT_FALSE(memo().K11.Enabled()) << "an empty memo leaves nothing to undo";

  Open("C:\\docs\\b.txt");
  EXPECT_FALSE(memo().Edit1.ReadOnly());
  EXPECT_EQ(memo().Edit1.Text(), "書ける");
  EXPECT_EQ(Title(), "C:\\docs\\b.txt");
  EXPECT_FALSE(memo().K11.Enabled()) << "an opened file replaced by another is not the sticky memo";
}

TEST_F(MemoFile, SaveOverWithoutAFileGoesStraightToTheSaveDialogAndWritesNoStrayFile) {
  ui::probe::Type(memo().Edit1, "時刻の題");
  std::string time_title = Title();
  ASSERT_FALSE(time_title.empty());

  ui::probe::AnswerFileDialog(std::nullopt);
  Choose("上書保存");
  ASSERT_EQ(ui::probe::FileDialogs().size(), 1u);
  EXPECT_EQ(ui::probe::FileDialogs()[0].title, "名前を付けて保存");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ui::headless::HostPath("C:\\pochira")),
                          std::filesystem::directory_iterator()),
            0)
      << "nothing named after the time";

  ui::probe::AnswerFileDialog("C:\\docs\\付箋.txt");
  Choose("上書保存");
  EXPECT_EQ(ReadBack("C:\\docs\\付箋.txt"), "時刻の題");
  EXPECT_FALSE(Memo.FileMode) << "the memo is still the sticky memo, recorded and autosaved";
  EXPECT_EQ(Title(), time_title);
}

TEST_F(MemoFile, AFailedSaveLeavesTheFileWholeAndIsShown) {
  PutFile("C:\\docs\\日記.txt", "元の内容");
  Open("C:\\docs\\日記.txt");
  ui::probe::Type(memo().Edit1, "新しい");
  std::string before = FileText("C:\\docs\\日記.txt");

  // The disk fills part-way through the write: the error, then the save dialog for another place.
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Flush && path == "C:\\docs\\日記.txt") {
      throw ui::FileError("C:\\docs\\日記.txt: ディスクがいっぱいです");
    }
  });
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::AnswerFileDialog(std::nullopt);
  Choose("上書保存");
  EXPECT_EQ(LastBox(), "C:\\docs\\日記.txt: ディスクがいっぱいです");
  EXPECT_EQ(ui::probe::FileDialogs().size(), 2u) << "the save dialog followed the error";
  EXPECT_EQ(FileText("C:\\docs\\日記.txt"), before);
  EXPECT_FALSE(Exists("C:\\docs\\日記.txt.new"));
  EXPECT_TRUE(memo().Edit1.Modified()) << "the change is still unsaved";

  // Save as into a folder that does not exist: the error box, the memo as it was.
  ui::headless::SetFileFault(nullptr);
  ui::probe::AnswerFileDialog("C:\\無い\\x.txt");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose("名前をつけて保存");
  EXPECT_NE(LastBox().find("C:\\無い\\x.txt"), std::string::npos);
  EXPECT_EQ(Title(), "C:\\docs\\日記.txt");
  EXPECT_EQ(memo().Edit1.Text(), "新しい元の内容");
  EXPECT_TRUE(Memo.FileMode);
}

TEST_F(MemoFile, FilesThatAreNoTextAreRefusedAndEmptyOrDamagedOnesOpen) {
  ui::probe::Type(memo().Edit1, "付箋");
  std::string time_title = Title();

  PutFile("C:\\docs\\絵.bmp", std::string("BM\0\0\x36\x10", 6));
  ui::probe::Answer(ui::ModalResult::OK);
  Open("C:\\docs\\絵.bmp", true);
  EXPECT_EQ(LastBox(), "C:\\docs\\絵.bmp はテキストファイルではありません");
  EXPECT_FALSE(Memo.FileMode);
  EXPECT_EQ(Title(), time_title);
  EXPECT_FALSE(memo().Edit1.ReadOnly());
  EXPECT_EQ(memo().Edit1.Text(), "付箋");
  EXPECT_FALSE(memo().K11.Enabled());

  PutFile("C:\\docs\\壊れ.rtf", "{\\rtf1\\ansi {\\b 太字");
  Open("C:\\docs\\壊れ.rtf");
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_NE(memo().Edit1.Text().find("太字"), std::string::npos) << "damaged RTF still shows its text";

  PutFile("C:\\docs\\ワードパッド.rtf", std::string("{\\rtf1\\ansi 保存した文}") + '\0');
  Open("C:\\docs\\ワードパッド.rtf");
  EXPECT_EQ(memo().Edit1.Text(), "保存した文") << "the NUL a rich text editor ends its file with is no binary";

  PutFile("C:\\docs\\空.txt", "");
  Open("C:\\docs\\空.txt");
  EXPECT_EQ(memo().Edit1.Text(), "");
  EXPECT_EQ(Title(), "C:\\docs\\空.txt");
  EXPECT_TRUE(Memo.FileMode);
}

TEST_F(MemoFile, PrintPutsTheWholeTextOnPagesUnderTheTitleLinesName) {
  ui::probe::Answer(ui::ModalResult::OK);
  Choose("印刷");
  EXPECT_EQ(LastBox().rfind("プリンタがインストールされていません。", 0), 0u) << "no printer: said, nothing else";
  EXPECT_TRUE(ui::headless::PrintJobs().empty());

  ui::headless::InstallPrinter("事務所のプリンタ");
  std::string text;
  for (int i = 1; i <= 120; ++i) text += (i > 1 ? "\r\n" : "") + std::to_string(i) + "行目";
  PutFile("C:\\docs\\長い.txt", text);
  Open("C:\\docs\\長い.txt");

  ui::probe::AnswerPrintDialog(false);
  Choose("印刷");
  EXPECT_TRUE(ui::headless::PrintJobs().empty()) << "Cancel prints nothing";

  ui::probe::AnswerPrintDialog(true);
  Choose("印刷");
  ASSERT_EQ(ui::headless::PrintJobs().size(), 1u);
  const ui::headless::PrintJob& job = ui::headless::PrintJobs()[0];
  EXPECT_EQ(job.printer, "事務所のプリンタ");
  EXPECT_EQ(job.document, "C:\\docs\\長い.txt");
  ASSERT_EQ(job.pages.size(), 2u) << "120 lines of 12 pixels on pages 1000 pixels high";
  EXPECT_EQ(job.pages[0].rfind("1行目\r\n2行目", 0), 0u);
  EXPECT_NE(job.pages[1].find("120行目"), std::string::npos);
  EXPECT_EQ(job.pages[0] + "\r\n" + job.pages[1], text) << "every line, once";
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_EQ(memo().Edit1.Text(), text);
}
