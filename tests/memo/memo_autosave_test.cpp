#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/rtf/rtf_reader.h"
#include "memo/memo_autosave.h"
#include "tests/memo/shown_memo.h"
#include "ui/file.h"

namespace {

class MemoAutosaveTest : public ShownMemo {
 protected:
  std::filesystem::path File() const { return ui::headless::HostPath(MemoFilePath()); }
  bool Written() const { return std::filesystem::exists(File()); }
  std::string WrittenText() const { return core::rtf::ReadRtf(ui::ReadFileBytes(MemoFilePath())).Text(); }
  // Typing goes on: one character every `every` ms for `ms` ms.
  void TypeFor(int ms, int every) {
    for (int t = 0; t < ms; t += every) {
      ui::probe::Type(memo().Edit1, "a");
      ui::probe::RunFor(every);
    }
  }
};

}  // namespace

TEST_F(MemoAutosaveTest, TypedTextReachesTheFileAfterAPauseAndAMemoAtRestWritesNothing) {
  ui::probe::Type(memo().Edit1, "牛乳を買う");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs - 500);
  EXPECT_FALSE(Written()) << "typing may go on: no write yet";

  ui::probe::RunFor(1000);
  ASSERT_TRUE(Written());
  EXPECT_EQ(WrittenText(), "牛乳を買う");
  EXPECT_EQ(ui::ReadFileBytes(MemoFilePath()), memo().Edit1.SaveToRtf()) << "the bytes the quit would write";
  EXPECT_FALSE(std::filesystem::exists(File().string() + ".new"));

  // At rest: nothing more is written, however long the memo sits.
  std::filesystem::remove(File());
  ui::probe::RunFor(30000);
  EXPECT_FALSE(Written());

  // A change undone before the pause leaves the written text as it was: no write either.
  ui::probe::Type(memo().Edit1, "!");
  ui::probe::PressKey(memo().Edit1, 0x08);  // Backspace
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  EXPECT_FALSE(Written());

  // Typing that never pauses is still written, within the longest wait and not at every key.
  TypeFor(memo::MemoAutosave::kLongestWaitMs - 1000, 200);
  EXPECT_FALSE(Written());
  TypeFor(1500, 200);
  ASSERT_TRUE(Written());
  std::string first = WrittenText();
  EXPECT_TRUE(first.starts_with("牛乳を買う") && first.size() > 10) << first;
  std::filesystem::remove(File());
  TypeFor(1000, 200);
  EXPECT_FALSE(Written()) << "not again a second after the last write";
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  ASSERT_TRUE(Written());
  EXPECT_EQ(WrittenText(), memo().Edit1.Text());
  EXPECT_TRUE(ui::probe::Boxes().empty());
}

TEST_F(MemoAutosaveTest, AnOpenedFileIsNeverWrittenToTheMemoFileAndTheMemoBeforeItIsKept) {
  std::filesystem::create_directories(ui::headless::HostPath("C:\\docs"));
  std::ofstream(ui::headless::HostPath("C:\\docs\\手紙.txt"), std::ios::binary) << "拝啓";
  ui::probe::Type(memo().Edit1, "直前のメモ");
  // The file is opened at once, before the pause: the memo's keys are written first.
  ui::probe::AnswerFileDialog("C:\\docs\\手紙.txt");
  ui::headless::PickFromMenu({"ﾌｧｲﾙ(&F)", "ﾌｧｲﾙを開く"});
  ui::probe::MouseDown(memo().Edit1, ui::MouseButton::Right, {20, 5});
  ui::probe::MouseUp(memo().Edit1, ui::MouseButton::Right, {20, 5});
  ASSERT_TRUE(Memo.FileMode);
  ASSERT_TRUE(Written());
  EXPECT_EQ(WrittenText(), "直前のメモ");

  ui::probe::Type(memo().Edit1, "、敬具");
  ui::probe::RunFor(memo::MemoAutosave::kLongestWaitMs * 2);
  EXPECT_EQ(WrittenText(), "直前のメモ") << "the file's text is not the memo's";

  // Undo brings the memo back, and it is written as the memo again.
  memo().K11Click();
  ui::probe::Type(memo().Edit1, "。");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  EXPECT_FALSE(Memo.FileMode);
  EXPECT_EQ(WrittenText(), memo().Edit1.Text());
  EXPECT_NE(WrittenText().find("直前のメモ"), std::string::npos);
}

TEST_F(MemoAutosaveTest, AFailedWriteIsSaidOnceTheNextChangeTriesAgainAndTheOldFileStays) {
  ui::probe::Type(memo().Edit1, "一行目");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  ASSERT_EQ(WrittenText(), "一行目");

  // The replacing step fails: the temporary cannot take the file's place.
  std::filesystem::create_directories(File().string() + ".new/held");
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::Type(memo().Edit1, "二行目");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].text, "自動保存しませんでした");
  EXPECT_EQ(WrittenText(), "一行目") << "the old file stays whole";

  // Still failing: tried again at the next change, but not said again.
  ui::probe::Type(memo().Edit1, "三");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  EXPECT_EQ(ui::probe::Boxes().size(), 1u);
  ui::probe::RunFor(30000);
  EXPECT_EQ(ui::probe::Boxes().size(), 1u) << "no retry without a change";

  std::filesystem::remove_all(File().string() + ".new");
  ui::probe::Type(memo().Edit1, "四");
  ui::probe::RunFor(memo::MemoAutosave::kQuietMs + 500);
  EXPECT_EQ(WrittenText(), "一行目二行目三四");
  EXPECT_EQ(ui::probe::Boxes().size(), 1u);
}
