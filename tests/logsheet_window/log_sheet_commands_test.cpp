#include "tests/logsheet_window/log_sheet_fixture.h"

namespace {
using Lines = std::vector<std::string>;
}

class ItemCommands : public LogSheet {
 protected:
  // The shown rows, their texts indented by two spaces per level below the top.
  Lines Rows() {
    Lines rows;
    for (int i = Items().NextShown(0); i != 0; i = Items().NextShown(i)) {
      rows.push_back(std::string(2 * (Items().ItemAt(i).Level() - 1), ' ') + TextOf(i));
    }
    return rows;
  }
};

TEST_F(ItemCommands, InsertingAboveTheFirstItemMakesANewFirstItem) {
  Build({{1, "A"}, {1, "B"}});
  sheet->mnInsNodeClick();
  EXPECT_EQ(Rows(), (Lines{" ", "A", "B"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_FALSE(sheet->Inserting);
  EXPECT_EQ(sheet->moNote.Text(), "");
  EXPECT_TRUE(sheet->moNote.Modified());
  EXPECT_EQ(sheet->lbIndex.Caption(), "1 / 3");
  // The pane, empty, is stored into the new item on the next move.
  sheet->mnNextNodeClick();
  EXPECT_EQ(TextOf(1), "");
  EXPECT_EQ(sheet->moNote.Text(), "A");
}

TEST_F(ItemCommands, AppendingFromADeepItemAddsATopLevelItemAtTheEnd) {
  Build({{1, "A"}, {2, "B"}, {3, "C"}, {1, "D"}});
  Items().OpenAll();
  Items().SetSelected(3);
  TypeNote("C edited");
  sheet->mnAddNodeClick();
  EXPECT_EQ(Rows(), (Lines{"A", "  B", "    C edited", "D", " "}));
  EXPECT_EQ(Selected(), 5);
}

TEST_F(ItemCommands, TheLowerInsertGoesToTheRowBelow) {
  // An expanded parent: the new item becomes its first child.
  Build({{1, "A"}, {2, "A1"}, {1, "B"}});
  Items().OpenItem(1);
  sheet->mnLowInsertNodeClick();
  EXPECT_EQ(Rows(), (Lines{"A", "   ", "  A1", "B"}));
  EXPECT_EQ(Selected(), 2);

  // The last item: a top-level item at the end.
  Items().SetSelected(4);
  sheet->mnLowInsertNodeClick();
  EXPECT_EQ(Rows(), (Lines{"A", "   ", "  A1", "B", " "}));
  EXPECT_EQ(Selected(), 5);

  // A collapsed last top-level item with children: no row below, nothing inserted.
  Build({{1, "A"}, {1, "B"}, {2, "B1"}});
  Items().SetSelected(2);
  sheet->mnLowInsertNodeClick();
  EXPECT_EQ(Items().Count(), 3);
  EXPECT_EQ(Selected(), 2);
  EXPECT_FALSE(sheet->Inserting);
}

TEST_F(ItemCommands, AChildUnderACollapsedItemOpensItAndTheParentStaysSelected) {
  Build({{1, "A"}, {2, "A1"}, {1, "B"}});
  sheet->SpeedButton10Click();
  EXPECT_EQ(Rows(), (Lines{"A", "  A1", "  ", "B"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(sheet->moNote.Text(), "A");
}

TEST_F(ItemCommands, DeletingTakesTheSubtreeAndSelectsANeighbour) {
  Build({{1, "A"}, {2, "A1"}, {2, "A2"}, {1, "B"}, {2, "B1"}});
  Items().OpenAll();
  sheet->mnDelClick();  // A with its children: B follows
  EXPECT_EQ(Rows(), (Lines{"B", "  B1"}));
  EXPECT_EQ(sheet->moNote.Text(), "B");
  EXPECT_TRUE(sheet->Dirty);
  EXPECT_EQ(NoteOf(2), (Lines{"B1"}));
  sheet->SaveSheet(base);  // the deleted items' notes are gone with them
  EXPECT_EQ(sheet->NoteLines(), (Lines{"B", "B1"}));

  Build({{1, "A"}, {2, "A1"}, {2, "A2"}});
  Items().OpenAll();
  Items().SetSelected(3);  // the last child: the sibling before it follows
  sheet->mnDelClick();
  EXPECT_EQ(Rows(), (Lines{"A", "  A1"}));
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(sheet->moNote.Text(), "A1");

  Build({{1, "B"}, {2, "B1"}});
  Items().OpenAll();
  Items().SetSelected(2);  // the only child: its parent follows
  sheet->mnDelClick();
  EXPECT_EQ(Rows(), (Lines{"B"}));
  EXPECT_EQ(sheet->moNote.Text(), "B");

  sheet->mnDelClick();  // the last item stays
  EXPECT_EQ(Rows(), (Lines{"B"}));
}

TEST_F(ItemCommands, UpAndDownStepOverHiddenRowsAndStopAtTheEnds) {
  Build({{1, "A"}, {2, "A1"}, {1, "B"}});
  sheet->mnPrevNodeClick();
  EXPECT_EQ(Selected(), 1);
  sheet->mnNextNodeClick();
  EXPECT_EQ(Selected(), 3);
  EXPECT_EQ(sheet->moNote.Text(), "B");
  sheet->mnNextNodeClick();
  EXPECT_EQ(Selected(), 3);
  sheet->mnPrevNodeClick();
  EXPECT_EQ(Selected(), 1);
  EXPECT_FALSE(sheet->Dirty);
}

TEST_F(ItemCommands, LevelChangesThatCannotBeDoneDoNothingAndSayNothing) {
  Build({{1, "A"}, {1, "B"}});
  sheet->mnLevelDownClick();  // the first top-level item
  sheet->mnLevelUpClick();    // a top-level item
  EXPECT_EQ(Rows(), (Lines{"A", "B"}));
  EXPECT_TRUE(Errors().empty());

  // Under a collapsed item the moved item is hidden: its new parent is selected and opened.
  Items().SetSelected(2);
  sheet->mnLevelDownClick();
  EXPECT_EQ(Rows(), (Lines{"A", "  B"}));
  EXPECT_EQ(Selected(), 1);
  Items().SetSelected(2);
  sheet->mnLevelUpClick();
  EXPECT_EQ(Rows(), (Lines{"A", "B"}));
  EXPECT_FALSE(sheet->Dirty);  // moving unedited items changes nothing to save
  EXPECT_EQ(sheet->lbIndex.GetFont().color, ui::clBlack);
}

TEST_F(ItemCommands, SplittingAtTheStartOfTheSecondLineMakesTwoItems) {
  Build({{1, "A"}, {1, "B"}});
  TypeNote("first\r\nsecond");
  sheet->moNote.SetSelStart(6);
  sheet->mnSplitClick();
  EXPECT_EQ(Rows(), (Lines{"first", "second", "B"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(NoteOf(1), (Lines{"first"}));
  EXPECT_EQ(NoteOf(2), (Lines{"second"}));
  EXPECT_EQ(sheet->moNote.Text(), "first\r\n");
  EXPECT_TRUE(sheet->moNote.Visible());
  EXPECT_EQ(ui::probe::NativeClipboardText(), "first\r\n");
  EXPECT_FALSE(sheet->Inserting);
}

TEST_F(ItemCommands, SplittingAtTheVeryStartGivesAnEmptyUpperItemWhateverTheClipboardHolds) {
  Build({{1, "A"}});
  ui::probe::PutOnClipboard("Memo2 の名残");
  sheet->moNote.SetSelStart(0);
  sheet->mnSplitClick();
  EXPECT_EQ(Items().Count(), 2);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(NoteOf(1), Lines{});
  EXPECT_EQ(NoteOf(2), (Lines{"A"}));
  EXPECT_EQ(sheet->moNote.Text(), "");
  EXPECT_EQ(ui::probe::NativeClipboardText(), "Memo2 の名残");
}

TEST_F(ItemCommands, TheExchangeMovesANoteAboveTheItemClickedNext) {
  Build({{1, "A"}, {1, "B"}, {1, "C"}});
  TypeNote("A moved\r\nbody");
  sheet->SpeedButton9Click();
  EXPECT_TRUE(ExchangePending);
  EXPECT_EQ(Rows(), (Lines{"B", "C"}));
  // While the note waits for its row, the pointer over the tree is the drag cursor.
  ui::probe::MouseMove(sheet->olTree, {30, 5});
  EXPECT_EQ(ui::probe::NativeCursorOver(sheet->olTree), ui::Cursor::Drag);
  ui::probe::PutOnClipboard("another program's text");
  ClickRow(1);
  EXPECT_FALSE(ExchangePending);
  ui::probe::MouseMove(sheet->olTree, {30, 5});
  EXPECT_EQ(ui::probe::NativeCursorOver(sheet->olTree), ui::Cursor::Default);
  EXPECT_EQ(Rows(), (Lines{"B", "A moved", "C"}));
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(NoteOf(2), (Lines{"A moved", "body"}));
  EXPECT_EQ(sheet->moNote.Text(), "A moved\r\nbody");
}

TEST_F(ItemCommands, TheExchangeRefusesAParentAndKeepsTheOnlyItem) {
  Build({{1, "A"}, {2, "A1"}});
  ui::probe::Answer(ui::ModalResult::OK);
  sheet->SpeedButton9Click();
  EXPECT_EQ(Errors(), (Lines{"子項目のある項目は交換出来ません"}));
  EXPECT_FALSE(ExchangePending);

  Build({{1, "only"}});
  sheet->SpeedButton9Click();
  EXPECT_EQ(Items().Count(), 1);
  ClickRow(0);
  EXPECT_FALSE(ExchangePending);
  EXPECT_EQ(Rows(), (Lines{"only", " "}));  // the emptied item, shown, takes a blank text
  EXPECT_EQ(NoteOf(1), (Lines{"only"}));
}

TEST_F(ItemCommands, ARecordAppendedRaisedAndLoweredGoesUnderTheLastTopLevelItem) {
  Build({{1, "2026/12/09"}, {2, "朝"}});
  Items().OpenItem(1);
  sheet->mnAddNodeClick();
  sheet->moNote.SelectAll();
  sheet->moNote.ReplaceSel("昼の記録\r\n本文");
  sheet->mnLevelUpClick();
  EXPECT_EQ(TextOf(3), "昼の記録");
  sheet->mnLevelDownClick();
  EXPECT_EQ(Rows(), (Lines{"2026/12/09", "  朝", "  昼の記録"}));
  EXPECT_EQ(Selected(), 3);
  EXPECT_EQ(sheet->moNote.Text(), "昼の記録\r\n本文");
}

TEST_F(ItemCommands, ClickingTheTreeStoresThePaneBeforeShowingTheClickedNote) {
  Build({{1, "A"}, {1, "B"}});
  TypeNote("A typed");
  ClickRow(1);
  EXPECT_EQ(TextOf(1), "A typed");
  EXPECT_EQ(sheet->moNote.Text(), "B");
  EXPECT_EQ(sheet->lbIndex.Caption(), "2 / 2");
  EXPECT_TRUE(ui::probe::NativeFocused(sheet->moNote));
}
