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
