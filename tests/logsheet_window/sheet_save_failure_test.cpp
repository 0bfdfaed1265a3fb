// The window's side of a save that fails: the sheet stays changed and on screen, the old set on
// the disk. The commit's every step is tried in the core tests of the set.

#include "tests/logsheet_window/log_sheet_fixture.h"

#include "core/outline_tree.h"

namespace {

using ui::headless::FileStep;

// The whole sheet as a load gives it: level, text and note of every item.
using Snapshot = std::vector<std::tuple<int, std::string, std::vector<std::string>>>;

}  // namespace

class SheetSaveFailure : public LogSheet {
 protected:
  Snapshot Take() {
    Snapshot s;
    for (int i = 1; i <= Items().Count(); ++i) s.emplace_back(Items().ItemAt(i).Level(), TextOf(i), NoteOf(i));
    return s;
  }
  Snapshot LoadFresh() {
    ui::headless::SetFileFault(nullptr);
    sheet->NewSheet();
    sheet->LoadSheet(base);
    return Take();
  }
  // The old set on disk, the new one in the window.
  void Prepare() {
    ui::headless::SetFileFault(nullptr);
    Build({{1, "古い"}, {2, "子"}});
    sheet->SaveSheet(base);
    old_ = Take();
    Build({{1, "新しい"}, {1, "二"}, {2, "三"}});
    TypeNote("新しい\r\n本文");
    sheet->StoreNote(1);
    new_ = Take();
  }
  int Files() {
    int n = 0;
    for (auto& e : std::filesystem::directory_iterator(ui::headless::HostPath("C:\\notes"))) n += e.is_regular_file();
    return n;
  }
  Snapshot old_, new_;
};

TEST_F(SheetSaveFailure, AnOutlineThatCannotBeWrittenLeavesTheCommittedSetWhole) {
  // The disk refuses the outline file itself.
  Prepare();
  ui::headless::SetFileFault([](FileStep step, std::string_view path) {
    if (step == FileStep::Write && path.ends_with(".Pcr~")) throw ui::FileError(std::string(path) + ": 書き込めません");
  });
  try {
    sheet->SaveSheet(base);
    ADD_FAILURE() << "no error";
  } catch (const ui::FileError& e) {
    EXPECT_EQ(std::string(e.what()), base + ".Pcr~: 書き込めません");
  }
  EXPECT_TRUE(sheet->Dirty);
  EXPECT_EQ(Files(), 3);
  EXPECT_EQ(LoadFresh(), old_);

  // An item text the file cannot hold is refused before the disk is touched.
  Prepare();
  Items().SetItemText(2, "二\r行");
  std::size_t steps = 0;
  ui::headless::SetFileFault([&](FileStep step, std::string_view) { steps += step == FileStep::Write; });
  EXPECT_THROW(sheet->SaveSheet(base), core::OutlineError);
  EXPECT_EQ(steps, 0u);
  EXPECT_TRUE(sheet->Dirty);
  EXPECT_EQ(LoadFresh(), old_);
  EXPECT_EQ(Files(), 3);
}
