#include "tests/logsheet_window/log_sheet_fixture.h"

#include "core/outline_tree.h"
#include "core/sheet_commit.h"

namespace {

using ui::headless::FileStep;

// What the process dying at a step looks like: nothing after it runs, no clean-up either.
struct Crash {};

// The whole sheet as a load gives it: level, text and note of every item.
using Snapshot = std::vector<std::tuple<int, std::string, std::vector<std::string>>>;

}  // namespace

class SheetCommit : public LogSheet {
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

TEST_F(SheetCommit, ASaveCutShortAtAnyStepLeavesTheOldSetOrTheNewOneWhole) {
  // Count the steps of a save that goes through.
  std::vector<std::pair<FileStep, std::string>> steps;
  Prepare();
  ui::headless::SetFileFault([&](FileStep step, std::string_view path) { steps.emplace_back(step, path); });
  sheet->SaveSheet("C:\\notes\\counted");
  ui::headless::SetFileFault(nullptr);
  ASSERT_GE(steps.size(), 8u);

  for (bool crash : {false, true}) {
    for (std::size_t k = 0; k < steps.size(); ++k) {
      SCOPED_TRACE((crash ? "crash at step " : "failure at step ") + std::to_string(k) + " " + steps[k].second);
      Prepare();
      std::size_t at = 0;
      ui::headless::SetFileFault([&](FileStep, std::string_view path) {
        if (at++ != k) return;
        if (crash) throw Crash{};
        throw ui::FileError(std::string(path) + ": 書き込めません");
      });
      bool failed = false;
      try {
        sheet->SaveSheet(base);
      } catch (const Crash&) {
        failed = true;
      } catch (const std::exception&) {
        failed = true;
        if (!crash) {
          EXPECT_TRUE(sheet->Dirty);
          EXPECT_EQ(sheet->Caption(), base);  // as the old set's save left it
          EXPECT_FALSE(Errors().size());
        }
      }
      Snapshot loaded = LoadFresh();
      EXPECT_TRUE(loaded == old_ || loaded == new_);
      if (!failed) {
        EXPECT_EQ(loaded, new_);
      }
      EXPECT_EQ(Files(), 3 + 3);  // the set, and the counted one; no temporaries, no marker
    }
  }
}

TEST_F(SheetCommit, ALoadFinishesACommittedSaveAndDiscardsOneThatNeverCommitted) {
  Prepare();
  std::size_t renames = 0;
  ui::headless::SetFileFault([&](FileStep step, std::string_view) {
    if (step == FileStep::Rename && ++renames == 2) throw Crash{};
  });
  EXPECT_THROW(sheet->SaveSheet(base), Crash);
  EXPECT_EQ(LoadFresh(), new_);

  Prepare();
  ui::headless::SetFileFault([&](FileStep step, std::string_view path) {
    if (step == FileStep::Flush && path.ends_with(".Sav~")) throw Crash{};  // the marker half written
  });
  EXPECT_THROW(sheet->SaveSheet(base), Crash);
  EXPECT_EQ(LoadFresh(), old_);
  EXPECT_EQ(Files(), 3);
}

TEST_F(SheetCommit, AnOutlineThatCannotBeWrittenLeavesTheCommittedSetWhole) {
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
