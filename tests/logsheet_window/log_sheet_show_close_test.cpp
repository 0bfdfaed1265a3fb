#include "tests/logsheet_window/log_sheet_fixture.h"

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
