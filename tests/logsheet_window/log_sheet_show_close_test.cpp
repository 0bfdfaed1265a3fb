#include "tests/logsheet_window/log_sheet_fixture.h"

#include "ui/screen.h"

#include <fstream>

#include "core/outline_file.h"

// What the window does with the default set beside the executable as it is shown and closed.

namespace {

const std::string kDefault = "C:\\pochira\\LogSheet";

std::string HostBytes(const std::string& path) {
  std::ifstream in(ui::headless::HostPath(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST_F(LogSheet, WithoutADefaultSetTheSheetIsTheDefaultOneAndWhatIsTypedSurvivesClosingAndShowingAgain) {
  EXPECT_EQ(sheet->Caption(), "LogSheet") << "the first run is an empty default sheet";

  TypeNote("今日の記録");
  ui::probe::CloseByUser(*sheet);  // no question: a default sheet is saved as it closes
  EXPECT_FALSE(sheet->Visible());
  EXPECT_TRUE(ui::probe::Boxes().empty());
  EXPECT_FALSE(HostBytes(kDefault + ".Pcr").empty());

  sheet->Show();
  EXPECT_EQ(sheet->Caption(), "LogSheet");
  EXPECT_EQ(NoteOf(1), std::vector<std::string>{"今日の記録"});
  EXPECT_EQ(sheet->moNote.Text(), "今日の記録");
}

TEST_F(LogSheet, ADefaultSheetThatCannotBeSavedKeepsTheWindowOpenWithItsNotes) {
  TypeNote("残すメモ");
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Write && path.find("LogSheet") != std::string_view::npos) {
      throw ui::FileError("C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
    }
  });
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::CloseByUser(*sheet);
  EXPECT_TRUE(sheet->Visible());
  EXPECT_EQ(Errors(), std::vector<std::string>{"C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです"});
  EXPECT_EQ(NoteOf(1), std::vector<std::string>{"残すメモ"});
}

TEST_F(LogSheet, ADamagedDefaultSetIsSaidOnceAndNeverSavedOverUnasked) {
  sheet->Close();
  // An outline of two items whose index file holds one record.
  const std::string pcr = "一\r\n二\r\n", txt = "一\r\n", bin = std::string("\0\0\0\0\1\0\0\0", 8);
  for (auto& [ext, bytes] : {std::pair{".Pcr", pcr}, {".Txt", txt}, {".Bin", bin}}) {
    std::ofstream(ui::headless::HostPath(kDefault + ext), std::ios::binary) << bytes;
  }
  Build({{1, "手元のメモ"}});
  sheet->SetCaption("NewFile");

  ui::probe::Answer(ui::ModalResult::OK);
  sheet->Show();
  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].text.rfind("C:\\pochira\\LogSheet のログシートを読み込めません\n", 0), 0u)
      << ui::probe::Boxes()[0].text;
  EXPECT_EQ(ui::probe::Boxes()[0].icon, ui::MsgIcon::Warning);
  EXPECT_EQ(sheet->Caption(), "NewFile");
  EXPECT_EQ(TextOf(1), "手元のメモ") << "the sheet in memory is kept";

  // Closing with changes asks, as for any sheet without the default caption; No leaves the
  // damaged files as they were.
  TypeNote("変更");
  ui::probe::Answer(ui::ModalResult::No);
  ui::probe::CloseByUser(*sheet);
  EXPECT_FALSE(sheet->Visible());
  EXPECT_EQ(ui::probe::Boxes().back().text, "ログシートをセーブしますか ?");
  EXPECT_EQ(HostBytes(kDefault + ".Pcr"), pcr);
  EXPECT_EQ(HostBytes(kDefault + ".Bin"), bin);
}

// Memory that runs out is said in the program's words, never the library's, wherever it runs
// out: while the default set loads (the files stay as they are) and in a command.
TEST_F(LogSheet, MemoryThatRunsOutIsSaidInTheProgramsWordsAndTouchesNoFile) {
  TypeNote("残す記録");
  sheet->Close();
  ASSERT_FALSE(sheet->Visible());
  const std::string pcr = HostBytes(kDefault + ".Pcr");
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Read && path.ends_with(".Txt")) throw std::bad_alloc();
  });
  ui::probe::Answer(ui::ModalResult::OK);
  sheet->Show();
  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].text, "C:\\pochira\\LogSheet のログシートを読み込めません\nメモリが足りません");
  EXPECT_EQ(HostBytes(kDefault + ".Pcr"), pcr);

  // The sheet let go at the close is a new one now, saved under a name.
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view) {
    if (step == ui::headless::FileStep::Write) throw std::bad_alloc();
  });
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::AnswerFileDialog("C:\\pochira\\別の.Pcr");
  ui::probe::ChooseFromMenuBar(*sheet, {"ﾌｧｲﾙ", "上書き保存"});
  EXPECT_EQ(ui::probe::Boxes().back().text, "メモリが足りません");
  EXPECT_EQ(ui::probe::Boxes().back().icon, ui::MsgIcon::Error);
  EXPECT_EQ(HostBytes(kDefault + ".Pcr"), pcr);
}

TEST_F(LogSheet, ClosingANamedSheetWithChangesAsksAndCancelKeepsItOpen) {
  sheet->SaveSheet(base);
  TypeNote("書きかけ");
  ui::probe::Answer(ui::ModalResult::Cancel);
  ui::probe::CloseByUser(*sheet);
  EXPECT_TRUE(sheet->Visible());
  EXPECT_EQ(TextOf(1), "書きかけ") << "the pending note was stored first";

  ui::probe::Answer(ui::ModalResult::Yes);
  ui::probe::CloseByUser(*sheet);
  EXPECT_FALSE(sheet->Visible());
  core::OutlineTree saved;
  core::ReadOutline(saved, Bytes(base + ".Pcr"));
  EXPECT_EQ(saved.ItemAt(1).ItemText(), "書きかけ");
}

TEST_F(LogSheet, TheWindowIsButtonsOutlineAndNoteSideBySideAndCloseAllLeavesTheTopItemsShown) {
  // The whole window, menu bar inside, as designed on the screen's bottom edge.
  EXPECT_EQ(ui::probe::NativeBounds(*sheet), (ui::Bounds{0, ui::Screen::Height() - 229, 639, 229}));
  EXPECT_EQ(ui::Application->HintColor(), ui::clAqua);
  ui::Size client = sheet->ClientSize();
  EXPECT_EQ(ui::probe::NativeClientSize(*sheet), client);
  EXPECT_GE(client.height, sheet->SpeedButton8.GetBounds().Bottom()) << "the last row of buttons is not cut off";
  EXPECT_EQ(sheet->Panel2.GetBounds(), (ui::Bounds{0, 0, 105, client.height}));
  EXPECT_EQ(sheet->pnOutline.GetBounds(), (ui::Bounds{105, 0, 168, client.height}));
  EXPECT_EQ(sheet->pnMemo.GetBounds(), (ui::Bounds{273, 0, client.width - 273, client.height}));
  // Inside the outline's two bevels of 2 pixels: the index line, then the tree below it.
  EXPECT_EQ(sheet->Panel1.GetBounds(), (ui::Bounds{4, 4, 160, 20}));
  EXPECT_EQ(sheet->olTree.GetBounds(), (ui::Bounds{4, 24, 160, client.height - 28}));
  EXPECT_EQ(sheet->moNote.GetBounds(), (ui::Bounds{2, 2, client.width - 277, client.height - 4}));
  EXPECT_EQ(sheet->SpeedButton4.GetBounds(), (ui::Bounds{1, 67, 102, 22}));
  EXPECT_EQ(sheet->SpeedButton8.GetBounds(), (ui::Bounds{53, 159, 50, 22}));
  EXPECT_EQ(sheet->SpeedButton8.Caption(), "下");

  // The splitter: a press on the outline's three rightmost pixels, then a drag that keeps more
  // than 10 pixels of outline and 20 of window beside it.
  ui::probe::MouseMove(sheet->pnOutline, {166, 50});
  EXPECT_EQ(ui::probe::NativeCursorOver(sheet->pnOutline), ui::Cursor::HSplit);
  ui::probe::MouseMove(sheet->pnOutline, {160, 50});
  EXPECT_EQ(ui::probe::NativeCursorOver(sheet->pnOutline), ui::Cursor::Default);
  ui::probe::MouseDown(sheet->pnOutline, ui::MouseButton::Left, {166, 50});
  for (int x : {10, sheet->Width() - 20}) {
    ui::probe::MouseMove(sheet->pnOutline, {x, 50});
    EXPECT_EQ(sheet->pnOutline.Width(), 168) << "a drag to " << x << " is ignored";
  }
  ui::probe::MouseMove(sheet->pnOutline, {11, 50});
  ui::probe::MouseUp(sheet->pnOutline, ui::MouseButton::Left, {11, 50});
  EXPECT_EQ(sheet->pnOutline.Width(), 11);
  EXPECT_EQ(sheet->pnMemo.GetBounds().left, 105 + 11);
  ui::probe::MouseMove(sheet->pnOutline, {5, 50});
  EXPECT_EQ(sheet->pnOutline.Width(), 11) << "the release ended the drag";

  // "閉" with a child selected: the child's edit is stored, the top item is selected and shown.
  Build({{1, "親"}, {2, "子"}, {1, "次"}});
  sheet->SpeedButton11.Click();  // 開
  ClickRow(1);
  TypeNote("子の新しい文");
  sheet->SpeedButton12.Click();  // 閉
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(sheet->moNote.Text(), "親");
  EXPECT_EQ(NoteOf(2), std::vector<std::string>{"子の新しい文"});
  EXPECT_FALSE(Items().IsShown(2));
}
