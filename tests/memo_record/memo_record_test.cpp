#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/palette.h"
#include "core/sheet_files.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_window.h"
#include "tests/app/started_program.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/screen.h"

// Memos recorded into the log sheet through the memo's context menu, on a desktop whose clock
// the test moves across midnight.

namespace {

using Lines = std::vector<std::string>;

constexpr long long kMidnight = 1796860800;  // 2026/12/10 00:00:00, the start's next day
const std::string kDefault = "C:\\pochira\\LogSheet";

std::string HostFile(const std::string& path) {
  std::ifstream in(ui::headless::HostPath(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
void PutHostFile(const std::string& path, const std::string& bytes) {
  std::ofstream(ui::headless::HostPath(path), std::ios::binary) << bytes;
}

// The whole program started, the memo shown by "貼".
class Recording : public StartedProgram {
 protected:
  void SetUp() override {
    StartedProgram::SetUp();
    ui::probe::Click(Main->SpeedButton1);
  }
  void TearDown() override { ui::headless::SetFileFault(nullptr); }
  void Choose(const std::string& command) {
    ui::headless::PickFromMenu({"ﾌｧｲﾙ(&F)", command});
    ui::probe::MouseDown(Form1->Edit1, ui::MouseButton::Right, {20, 5});
    ui::probe::MouseUp(Form1->Edit1, ui::MouseButton::Right, {20, 5});
  }
  void TypeMemo(const std::string& text) {
    ui::probe::Type(Form1->Edit1, text);
    ui::headless::FireTimers(3);  // the auto-fit follows the text
  }
  void Quit() {
    ui::probe::Answer(ui::ModalResult::OK);
    ui::probe::Click(Main->SpeedButton3);
  }
  // The outline as rows of "level-1 TABs, text", as the .Pcr file writes it.
  Lines Outline() {
    Lines rows;
    auto& items = MainOut->olTree.Items();
    for (int i = 1; i <= items.Count(); ++i) {
      rows.push_back(std::string(items.ItemAt(i).Level() - 1, '\t').append(items.ItemAt(i).ItemText()));
    }
    return rows;
  }
  Lines NoteOf(int i) { return MainOut->Notes.NoteOf(MainOut->SpanOf(i)); }
  int Selected() { return MainOut->olTree.Items().Selected(); }
  std::string Title() { return Form1->Label1.Caption(); }
};

}  // namespace

TEST_F(Recording, ADaysMemosGoUnderOneHeadingAndTheNextDayStartsAnotherAtTheEnd) {
  // Two paragraphs, the first so long that the memo wraps it at its width limit.
  const std::string long_line(120, 'a');
  TypeMemo("日本語の一行目\r" + long_line);
  ASSERT_TRUE(Form1->Edit1.WordWrap());
  ASSERT_GT(Form1->Edit1.LineCount(), 2);
  const std::string first_time = Title();
  ASSERT_EQ(first_time, "12:34:56");

  Choose("記録してクリア");
  // The sheet was shown out of sight and loaded the (missing) default set: its one blank item
  // became the day's heading, and the record its child, handed over paragraph by paragraph.
  EXPECT_TRUE(MainOut->Visible());
  EXPECT_EQ(MainOut->Top(), ui::Screen::Height() + 10);
  EXPECT_EQ(MainOut->Caption(), "LogSheet");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56"}));
  EXPECT_EQ(NoteOf(1), Lines{"2026/12/9"});
  EXPECT_EQ(NoteOf(2), (Lines{"12:34:56", "日本語の一行目", long_line}));
  EXPECT_EQ(MainOut->LastDate, "2026/12/9");
  // The record is on the disk at once: the memo's own file is about to hold the next memo.
  EXPECT_EQ(core::ParseTxt(HostFile(kDefault + ".Txt")), (Lines{"2026/12/9", "12:34:56", "日本語の一行目", long_line}));
  // The memo is back to its empty shape and keeps the keyboard; undo brings the text back.
  EXPECT_EQ(Form1->Edit1.Text(), "");
  EXPECT_EQ(Title(), "");
  EXPECT_FALSE(Form1->Edit1.WordWrap());
  EXPECT_TRUE(ui::probe::NativeFocused(Form1->Edit1));
  ASSERT_TRUE(Form1->K11.Enabled());
  Form1->K11Click();
  EXPECT_EQ(Form1->Edit1.Lines().front(), "日本語の一行目");

  // The same day, another memo: recorded and closed, no second heading, the text kept.
  ui::headless::SetNow(1796819696 + 60);
  Form1->Edit1.Clear();
  TypeMemo("二つ目");
  Choose("記録して閉じる");
  EXPECT_FALSE(Form1->Visible());
  EXPECT_FALSE(ui::probe::NativeFocused(MainOut->moNote)) << "the sheet out of sight keeps no keyboard";
  EXPECT_EQ(Form1->Edit1.Text(), "二つ目");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56", "\t12:35:56"}));
  EXPECT_EQ(MainOut->Top(), ui::Screen::Height() + 10) << "a sheet already shown is used where it is";

  // After midnight the same text is recorded again, under a new heading at the end.
  ui::headless::SetNow(kMidnight + 5);
  ui::probe::Click(Main->SpeedButton1);
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56", "\t12:35:56", "2026/12/10", "\t12:35:56"}));
  EXPECT_EQ(NoteOf(5), (Lines{"12:35:56", "二つ目"}));
  EXPECT_EQ(MainOut->LastDate, "2026/12/10");
  EXPECT_TRUE(ui::probe::Boxes().empty());

  // The quit saves the sheet beside the program and keeps the date of its newest heading.
  Quit();
  EXPECT_EQ(HostFile(kDefault + ".Pcr"), "2026/12/9\r\n\t12:34:56\r\n\t12:35:56\r\n2026/12/10\r\n\t12:35:56\r\n");
  Lines txt = core::ParseTxt(HostFile(kDefault + ".Txt"));
  EXPECT_EQ(txt, (Lines{"2026/12/9", "12:34:56", "日本語の一行目", long_line, "12:35:56", "二つ目", "2026/12/10",
                        "12:35:56", "二つ目"}));
  EXPECT_NE(HostFile("C:\\pochira\\pochira.ini").find("hiduke=2026/12/10"), std::string::npos);
}

TEST_F(Recording, ARecordRightAfterAClearIsEmptyAndTheNextRecordRaisesItToAHeading) {
  TypeMemo("メモ");
  Choose("記録してクリア");
  EXPECT_EQ(Selected(), 1) << "the record went into its collapsed heading, which took the selection";

  // Under the heading now open, the empty record stays selected.
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56", "\t "}));
  EXPECT_EQ(NoteOf(3), Lines{});
  EXPECT_EQ(Selected(), 3);

  // Its note has no first line: it takes the date and is raised to the top level, and the next
  // record goes under it, the last top-level item.
  TypeMemo("次のメモ");
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56", "2026/12/9", "\t12:34:56"}));
  EXPECT_EQ(NoteOf(3), Lines{"2026/12/9"});
  EXPECT_EQ(NoteOf(4), (Lines{"12:34:56", "次のメモ"}));
}

TEST_F(Recording, AnOpenedFileIsNotRecordedUntilItIsClosedWithoutRecording) {
  std::filesystem::create_directories(ui::headless::HostPath("C:\\docs"));
  PutHostFile("C:\\docs\\手紙.txt", "拝啓\r\n敬具");
  ui::probe::AnswerFileDialog("C:\\docs\\手紙.txt");
  Choose("ﾌｧｲﾙを開く");
  ASSERT_TRUE(Memo.FileMode);

  ui::probe::Answer(ui::ModalResult::OK);
  Choose("記録してクリア");
  EXPECT_EQ(LastBox(), "ファイルの存在するデーターは記録しません");
  EXPECT_FALSE(MainOut->Visible()) << "nothing recorded";
  EXPECT_EQ(Form1->Edit1.Text(), "拝啓\r\n敬具");

  Choose("記録して閉じる");
  EXPECT_FALSE(Form1->Visible());
  EXPECT_FALSE(MainOut->Visible());
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_EQ(ui::probe::Boxes().size(), 1u) << "no message when closing";

  ui::probe::Click(Main->SpeedButton1);
  Choose("記録せずに閉じる");
  EXPECT_FALSE(Form1->Visible());
  EXPECT_FALSE(Memo.FileMode);
  EXPECT_EQ(Title(), "C:\\docs\\手紙.txt");

  // Now a memo: its text is recorded under the file's path, and the file stays as it was.
  ui::probe::Click(Main->SpeedButton1);
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\tC:\\docs\\手紙.txt"}));
  EXPECT_EQ(NoteOf(2), (Lines{"C:\\docs\\手紙.txt", "拝啓", "敬具"}));
  EXPECT_EQ(Form1->Edit1.Text(), "");
  EXPECT_EQ(HostFile("C:\\docs\\手紙.txt"), "拝啓\r\n敬具");
}

TEST_F(Recording, OnASheetFromAnEarlierRunRecordsFollowTheStoredDateAndTheLastTopLevelItem) {
  // The heading of the stored date was written before the date format lost its leading zeros.
  PutHostFile(kDefault + ".Pcr", "2026/12/09\r\n\t朝の記録\r\n");
  PutHostFile(kDefault + ".Txt", "2026/12/09\r\n朝の記録\r\n");
  PutHostFile(kDefault + ".Bin", core::BinBytes({{0, 1}, {1, 1}}));
  PutHostFile("C:\\pochira\\pochira.ini", "[Option:Form1]\r\nhiduke=2026/12/09\r\n");

  Choose("記録を開く");
  EXPECT_TRUE(MainOut->Visible());
  EXPECT_EQ(MainOut->Top() + MainOut->Height(), ui::Screen::Height());
  EXPECT_EQ(MainOut->LastDate, "2026/12/09");

  TypeMemo("昼の記録");
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/09", "\t朝の記録", "2026/12/9", "\t12:34:56"}));
  EXPECT_EQ(MainOut->Top() + MainOut->Height(), ui::Screen::Height()) << "a sheet in view stays in view";

  // The user appends an item of their own; the day's next record goes under it.
  MainOut->mnAddNodeClick();
  ui::probe::Type(MainOut->moNote, "買い物");
  TypeMemo("牛乳");
  Choose("記録してクリア");
  EXPECT_EQ(Outline(), (Lines{"2026/12/09", "\t朝の記録", "2026/12/9", "\t12:34:56", "買い物", "\t12:34:56"}));
  EXPECT_EQ(NoteOf(6), (Lines{"12:34:56", "牛乳"}));

  // Moved away, the sheet comes back to the screen's bottom edge.
  MainOut->SetTop(100);
  Choose("記録を開く");
  EXPECT_EQ(MainOut->Top() + MainOut->Height(), ui::Screen::Height());
}

// A default set that cannot be read is said when the record shows the sheet; the record stays
// in memory, and the quit asks where to save it rather than writing over the damaged files.
TEST_F(Recording, ADamagedDefaultSetKeepsTheRecordInMemoryAndIsNeverSavedOver) {
  const std::string pcr = "一\r\n二\r\n", txt = "一\r\n", bin = core::BinBytes({{0, 1}});
  PutHostFile(kDefault + ".Pcr", pcr);
  PutHostFile(kDefault + ".Txt", txt);
  PutHostFile(kDefault + ".Bin", bin);

  TypeMemo("大事なメモ");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose("記録してクリア");
  EXPECT_EQ(LastBox().rfind("C:\\pochira\\LogSheet のログシートを読み込めません\n", 0), 0u) << LastBox();
  EXPECT_EQ(Outline(), (Lines{"2026/12/9", "\t12:34:56"}));

  ui::probe::Answer(ui::ModalResult::OK);  // the quit
  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog("C:\\pochira\\救出.Pcr");
  ui::probe::Click(Main->SpeedButton3);
  EXPECT_EQ(LastBox(), "ログシートをセーブしますか ?");
  EXPECT_EQ(core::ParseTxt(HostFile("C:\\pochira\\救出.Txt")), (Lines{"2026/12/9", "12:34:56", "大事なメモ"}));
  EXPECT_EQ(HostFile(kDefault + ".Pcr"), pcr);
  EXPECT_EQ(HostFile(kDefault + ".Txt"), txt);
  EXPECT_EQ(HostFile(kDefault + ".Bin"), bin);
}

// A default set that cannot be written: the record says so and the memo keeps its text, still in
// the memo's own file; the quit says so again and stays; once the disk takes writes again the
// quit saves the record.
TEST_F(Recording, AnUnwritableDefaultSetIsToldAtTheRecordAndTheMemoKeepsItsText) {
  TypeMemo("消えないメモ");
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Write && path.find("LogSheet") != std::string_view::npos) {
      throw ui::FileError("C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
    }
  });
  ui::probe::Answer(ui::ModalResult::OK);
  Choose("記録してクリア");
  EXPECT_EQ(LastBox(), "C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
  EXPECT_EQ(NoteOf(2), (Lines{"12:34:56", "消えないメモ"}));
  EXPECT_EQ(Form1->Edit1.Text(), "消えないメモ") << "not cleared";
  EXPECT_FALSE(std::filesystem::exists(ui::headless::HostPath(kDefault + ".Pcr")));

  ui::probe::Answer(ui::ModalResult::OK);
  Quit();
  EXPECT_EQ(LastBox(), "C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
  EXPECT_TRUE(MainOut->Visible());
  EXPECT_EQ(MainOut->Caption(), "LogSheet");

  ui::headless::SetFileFault(nullptr);
  Quit();
  EXPECT_EQ(core::ParseTxt(HostFile(kDefault + ".Txt")), (Lines{"2026/12/9", "12:34:56", "消えないメモ"}));
}
