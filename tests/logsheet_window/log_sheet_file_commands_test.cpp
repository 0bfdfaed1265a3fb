#include "tests/logsheet_window/log_sheet_fixture.h"

#include "core/outline_file.h"

// The file commands as the user reaches them, through the menu bar and the file dialogs.

namespace {

void Choose(ui::Form& form, const char* menu, const char* item) { ui::probe::ChooseFromMenuBar(form, {menu, item}); }

}  // namespace

TEST_F(LogSheet, SaveNameOpenAndAFailedOpenThatCostsNothing) {
  // A fresh sheet is saved through the dialog: the three files, and the base as the caption.
  sheet->NewSheet();
  TypeNote("一日目");
  ui::probe::AnswerFileDialog("C:\\notes\\memo.Pcr");
  Choose(*sheet, "ﾌｧｲﾙ", "上書き保存");
  ASSERT_EQ(ui::probe::FileDialogs().size(), 1u);
  EXPECT_EQ(ui::probe::FileDialogs()[0].types, std::vector<std::string>{"アウトライン(*.Pcr)"});
  EXPECT_EQ(sheet->Caption(), "C:\\notes\\memo");
  for (const char* ext : {".Pcr", ".Txt", ".Bin"}) EXPECT_TRUE(ui::FileExists(std::string("C:\\notes\\memo") + ext));

  // A set whose index file is missing: the open asks once, says what failed, and the sheet, its
  // caption and its unsaved change stay as they were.
  TypeNote("二日目");
  sheet->SaveSheet("C:\\notes\\broken");
  ui::RemoveFile("C:\\notes\\broken.Bin");
  sheet->SetCaption("C:\\notes\\memo");
  TypeNote("三日目");
  ui::probe::Answer(ui::ModalResult::No);
  ui::probe::AnswerFileDialog("C:\\notes\\broken.Pcr");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose(*sheet, "ﾌｧｲﾙ", "開く");
  std::vector<std::string> boxes = Errors();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "ログシートをセーブしますか ?");
  EXPECT_NE(boxes[1].find("broken.Bin"), std::string::npos) << boxes[1];
  EXPECT_EQ(sheet->Caption(), "C:\\notes\\memo");
  EXPECT_EQ(sheet->moNote.Text(), "三日目");

  // The same open of a whole set replaces the sheet; the question comes once more.
  ui::probe::Answer(ui::ModalResult::No);
  ui::probe::AnswerFileDialog("C:\\notes\\memo.Pcr");
  Choose(*sheet, "ﾌｧｲﾙ", "開く");
  EXPECT_EQ(sheet->Caption(), "C:\\notes\\memo");
  EXPECT_EQ(sheet->moNote.Text(), "一日目");
  EXPECT_EQ(Errors().size(), 3u);
}

TEST_F(LogSheet, NewOnAChangedUnnamedSheetSavesThroughTheDialogOrNotAtAll) {
  sheet->NewSheet();
  TypeNote("未保存");
  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog(std::nullopt);  // the save dialog cancelled: nothing happens
  Choose(*sheet, "ﾌｧｲﾙ", "新規作成");
  EXPECT_EQ(sheet->moNote.Text(), "未保存");

  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog("C:\\notes\\日誌.Pcr");  // a name whose second byte is "\"-like
  Choose(*sheet, "ﾌｧｲﾙ", "新規作成");
  EXPECT_EQ(sheet->Caption(), "NewFile");
  EXPECT_EQ(sheet->moNote.Text(), "");
  core::OutlineTree saved;
  core::ReadOutline(saved, Bytes("C:\\notes\\日誌.Pcr"));
  EXPECT_EQ(saved.ItemAt(1).ItemText(), "未保存");
}

// Yes to saving a sheet never saved, then Cancel in the save dialog: the user asked for nothing
// to be lost. The close and the open end there as Cancel would, and nothing is written.
TEST_F(LogSheet, ASaveCancelledInItsDialogKeepsTheWindowOpenAndTheSheetAsItWas) {
  sheet->NewSheet();
  TypeNote("名前のない記録");
  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog(std::nullopt);
  Choose(*sheet, "ﾌｧｲﾙ", "終了");
  EXPECT_TRUE(sheet->Visible());

  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog(std::nullopt);  // the save dialog; no open dialog may follow
  Choose(*sheet, "ﾌｧｲﾙ", "開く");
  EXPECT_EQ(ui::probe::FileDialogs().size(), 2u);

  EXPECT_EQ(Errors(), (std::vector<std::string>(2, "ログシートをセーブしますか ?")));
  EXPECT_EQ(sheet->Caption(), "NewFile");
  EXPECT_EQ(sheet->moNote.Text(), "名前のない記録");
  EXPECT_TRUE(std::filesystem::is_empty(ui::headless::HostPath("C:\\notes")));

  // Saved under a name, the same close goes through.
  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::AnswerFileDialog("C:\\notes\\記録.Pcr");
  Choose(*sheet, "ﾌｧｲﾙ", "終了");
  EXPECT_FALSE(sheet->Visible());
  EXPECT_TRUE(ui::FileExists("C:\\notes\\記録.Pcr"));
  EXPECT_EQ(sheet->Caption(), "NewFile") << "a closed sheet is let go";
}

TEST_F(LogSheet, FilesThatAreDamagedBinaryOrOutOfReachCostTheSheetNothing) {
  using Lines = std::vector<std::string>;
  Build({{1, "今日"}});
  TypeNote("前からの行");

  // Any file's lines are added: NULs dropped, a very long line kept whole, the last line end
  // making no empty line.
  const std::string long_line(100000, 'x');
  ui::ReplaceFileBytes("C:\\notes\\dump.bin", std::string("ab\0c\r\n\x01\xff\n", 10) + long_line + "\r\n");
  ui::probe::AnswerFileDialog("C:\\notes\\dump.bin");
  Choose(*sheet, "ﾌｧｲﾙ", "テキストの追加");
  EXPECT_EQ(NoteOf(1), (Lines{"前からの行", "abc", "\x01\xff", long_line}));
  EXPECT_TRUE(ui::probe::NativeFocused(sheet->moNote));

  // A file another program holds locked: the error box, the note as it was.
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Read) throw ui::FileError("ファイル " + std::string(path) + " を開けません");
  });
  ui::probe::AnswerFileDialog("C:\\notes\\dump.bin");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose(*sheet, "ﾌｧｲﾙ", "テキストの追加");
  ui::headless::SetFileFault(nullptr);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(NoteOf(1).size(), 4u);
  EXPECT_TRUE(ui::probe::NativeFocused(sheet->moNote));

  // A set whose notes file lost its end: the open says so and the sheet stays.
  sheet->SaveSheet("C:\\notes\\whole");
  Build({{1, "一"}, {1, "二"}, {1, "三"}});
  sheet->SaveSheet("C:\\notes\\cut");
  ui::ReplaceFileBytes("C:\\notes\\cut.Txt", "一\r\n");
  ui::probe::AnswerFileDialog("C:\\notes\\cut.Pcr");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose(*sheet, "ﾌｧｲﾙ", "開く");
  ASSERT_EQ(Errors().size(), 2u);
  EXPECT_EQ(sheet->Caption(), "C:\\notes\\cut");
  EXPECT_EQ(Items().Count(), 3);

  // A folder that cannot be written: the save as fails with its error, nothing lands there,
  // and the sheet keeps its name.
  std::filesystem::create_directories(ui::headless::HostPath("C:\\locked"));
  ui::headless::SetFileFault([](ui::headless::FileStep, std::string_view path) {
    if (path.starts_with("C:\\locked\\")) throw ui::FileError("ファイル " + std::string(path) + " を作成できません");
  });
  ui::probe::AnswerFileDialog("C:\\locked\\sheet.Pcr");
  ui::probe::Answer(ui::ModalResult::OK);
  Choose(*sheet, "ﾌｧｲﾙ", "名前をつけて保存");
  ASSERT_EQ(Errors().size(), 3u);
  EXPECT_NE(Errors()[2].find("C:\\locked\\"), std::string::npos) << Errors()[2];
  EXPECT_TRUE(std::filesystem::is_empty(ui::headless::HostPath("C:\\locked")));
  EXPECT_EQ(sheet->Caption(), "C:\\notes\\cut");
}
