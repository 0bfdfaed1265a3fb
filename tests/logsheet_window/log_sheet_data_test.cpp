#include "tests/logsheet_window/log_sheet_fixture.h"

#include "core/outline_file.h"
#include "core/sheet_files.h"

namespace {

using Lines = std::vector<std::string>;

std::string Record(int start, int count) {
  std::string r;
  for (int v : {start, count}) {
    for (int i = 0; i < 4; ++i) r += static_cast<char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF);
  }
  return r;
}

}  // namespace

TEST_F(LogSheet, AFreshSheetSavedAtOnceIsOneBlankItemWithNoNote) {
  sheet->SaveSheet(base);
  core::OutlineTree pcr;
  core::ReadOutline(pcr, Bytes(base + ".Pcr"));
  ASSERT_EQ(pcr.Count(), 1);
  EXPECT_EQ(pcr.ItemAt(1).ItemText(), " ");
  EXPECT_EQ(Bytes(base + ".Txt"), "");
  EXPECT_EQ(Bytes(base + ".Bin"), Record(0, 0));
  EXPECT_EQ(sheet->Caption(), base);
  // Nothing but the three files lies beside them.
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(ui::headless::HostPath("C:\\notes"))) files += e.is_regular_file();
  EXPECT_EQ(files, 3);
}

TEST_F(LogSheet, StoringANoteCountsItsLinesAndMakesItsFirstLineTheItemText) {
  TypeNote("見出し\r\n\r\n三行目\r\n");
  EXPECT_TRUE(sheet->moNote.Modified());
  sheet->StoreNote(1);
  EXPECT_EQ(NoteOf(1), (Lines{"見出し", "", "三行目"}));  // the final line break makes no line
  EXPECT_EQ(TextOf(1), "見出し");
  EXPECT_FALSE(sheet->moNote.Modified());
  EXPECT_TRUE(sheet->Dirty);
  EXPECT_TRUE(sheet->moNote.WordWrap());

  // Unmodified, the pane is not stored again.
  std::size_t lines = sheet->NoteLines().size();
  sheet->StoreNote(1);
  EXPECT_EQ(sheet->NoteLines().size(), lines);

  sheet->ShowIndex();
  EXPECT_EQ(sheet->lbIndex.Caption(), "1 / 1");
  EXPECT_EQ(sheet->lbIndex.GetFont().color, ui::clMaroon);
  sheet->SaveSheet(base);
  EXPECT_EQ(sheet->lbIndex.GetFont().color, ui::clBlack);
  EXPECT_FALSE(sheet->Dirty);
}

TEST_F(LogSheet, OnlyTheLastOfThreeStoresReachesTheFile) {
  for (const char* note : {"一", "二\r\n二", "三\r\n三\r\n三"}) {
    TypeNote(note);
    sheet->StoreNote(1);
  }
  EXPECT_EQ(sheet->NoteLines().size(), 6u);
  sheet->SaveSheet(base);
  EXPECT_EQ(Bytes(base + ".Txt"), "三\r\n三\r\n三\r\n");
  EXPECT_EQ(Bytes(base + ".Bin"), Record(0, 3));
  EXPECT_EQ(sheet->NoteLines().size(), 3u);
}

TEST_F(LogSheet, NotesOfTwoNoneAndThreeLinesLieEndToEnd) {
  Build({{1, "A"}, {1, "B"}, {1, "C"}});
  sheet->Notes.Store(sheet->SpanOf(1), {"a1", "a2"});
  sheet->Notes.Store(sheet->SpanOf(2), {});
  sheet->Notes.Store(sheet->SpanOf(3), {"c1", "c2", "c3"});
  sheet->SaveSheet(base);
  EXPECT_EQ(Bytes(base + ".Bin"), Record(0, 2) + Record(2, 0) + Record(2, 3));
  EXPECT_EQ(Bytes(base + ".Txt"), "a1\r\na2\r\nc1\r\nc2\r\nc3\r\n");
}

TEST_F(LogSheet, SavingKeepsTheCaretWhereItWas) {
  TypeNote("abc\r\ndef");
  sheet->moNote.SetSelStart(5);
  sheet->SaveSheet(base);
  EXPECT_EQ(sheet->moNote.SelStart(), 5);
  EXPECT_EQ(sheet->moNote.SelLength(), 0);
}

TEST_F(LogSheet, ASavedSheetLoadsBackWithEveryNoteInItsPlace) {
  Build({{1, "日付"}, {2, "記録"}, {2, "ソ表"}, {1, "後"}});
  Items().OpenItem(1);
  Items().SetSelected(3);
  TypeNote("ソ表\r\n二行目");
  sheet->SaveSheet(base);
  ASSERT_EQ(ui::headless::CursorsShown(), (std::vector<ui::Cursor>{ui::Cursor::HourGlass, ui::Cursor::Default}));

  sheet->NewSheet();
  EXPECT_EQ(sheet->Caption(), "NewFile");
  sheet->LoadSheet(base);
  EXPECT_EQ(sheet->Caption(), base);
  EXPECT_FALSE(sheet->Dirty);
  ASSERT_EQ(Items().Count(), 4);
  EXPECT_EQ(Selected(), 1);
  EXPECT_FALSE(Items().ItemAt(1).IsOpen());
  EXPECT_EQ(sheet->moNote.Text(), "日付");
  EXPECT_EQ(NoteOf(3), (Lines{"ソ表", "二行目"}));
  EXPECT_EQ(NoteOf(4), (Lines{"後"}));
  EXPECT_EQ(sheet->lbIndex.Caption(), "1 / 4");
  EXPECT_EQ(ui::headless::CursorsShown().back(), ui::Cursor::Default);
}

TEST_F(LogSheet, LinesWithNulsOrTheOutlinesEndMarkSaveAndLoadWithoutShiftingLaterNotes) {
  Build({{1, "A"}, {1, "B"}});
  PasteNote(std::string("a\0x\r\n\x1A\x81\x40", 9));
  sheet->mnNextNodeClick();
  TypeNote("b1\r\nb2");
  sheet->SaveSheet(base);
  sheet->LoadSheet(base);
  EXPECT_EQ(NoteOf(1), (Lines{"ax", "\x1A\x81\x40"}));
  EXPECT_EQ(TextOf(1), "ax");
  EXPECT_EQ(NoteOf(2), (Lines{"b1", "b2"}));
}

TEST_F(LogSheet, ACorruptedSetIsRefusedAndTheSheetOnScreenStaysAsItWas) {
  Build({{1, "A"}, {1, "B"}});
  sheet->SaveSheet(base);
  const std::string good_bin = Bytes(base + ".Bin");
  TypeNote("unsaved");
  sheet->StoreNote(1);

  auto load_fails = [&](const std::string& bin) {
    ui::ReplaceFileBytes(base + ".Bin", bin);
    try {
      sheet->LoadSheet(base);
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_NE(load_fails(Record(0, 1)), "");                  // fewer records than items
  EXPECT_NE(load_fails(Record(0, 1) + Record(1, 5)), "");   // past the two lines
  EXPECT_NE(load_fails(Record(0, 2) + Record(1, 1)), "");   // sharing a line
  EXPECT_NE(load_fails(Record(-1, 1) + Record(1, 1)), "");  // negative
  EXPECT_NE(load_fails(Record(-1, 1) + Record(1, 1)).find("日誌.Bin"), std::string::npos);
  EXPECT_EQ(ui::headless::CursorsShown().back(), ui::Cursor::Default);
  EXPECT_TRUE(sheet->Dirty);
  EXPECT_EQ(Items().Count(), 2);
  EXPECT_EQ(NoteOf(1), (Lines{"unsaved"}));

  // A longer file than needed is fine.
  EXPECT_EQ(load_fails(good_bin + Record(7, 7)), "");
  EXPECT_EQ(NoteOf(1), (Lines{"A"}));
  EXPECT_FALSE(sheet->Dirty);
}

TEST_F(LogSheet, AnEmptyOutlineOrAMissingFileFailsTheLoadAndKeepsTheSheet) {
  sheet->SaveSheet(base);
  ui::ReplaceFileBytes(base + ".Pcr", "");
  EXPECT_THROW(sheet->LoadSheet(base), core::OutlineError);
  try {
    sheet->LoadSheet("C:\\notes\\ない");
    ADD_FAILURE() << "no error";
  } catch (const ui::FileError& e) {
    EXPECT_NE(std::string(e.what()).find("C:\\notes\\ない.Pcr"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Items().Count(), 1);
  EXPECT_EQ(sheet->Caption(), base);
  // A folder that is not there cannot take the files either.
  EXPECT_THROW(sheet->SaveSheet("C:\\notes\\ない\\日誌"), ui::FileError);
  EXPECT_EQ(sheet->Caption(), base);
}
