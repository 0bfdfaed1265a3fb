// The sheet's three files as a set, on a disk in memory whose every step can fail or be the last
// one the process takes.

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "core/memory_disk.h"
#include "core/outline_file.h"
#include "core/sheet_files.h"
#include "core/sheet_set.h"
#include "tests/core/outline_test_util.h"

namespace {

using Step = core::MemoryDisk::Step;
constexpr char kBase[] = "C:\\notes\\sheet";

// What the process dying at a step looks like: nothing after it runs, no clean-up either.
struct Crash {};

// A sheet as the user sees it: level, text and note of every item.
using Snapshot = std::vector<std::tuple<int, std::string, std::vector<std::string>>>;

struct Sheet {
  core::OutlineTree tree;
  core::NoteStore notes;

  // Items written as in outline_test::Build, each with its text as its note's first line.
  explicit Sheet(std::initializer_list<const char*> items) {
    outline_test::Build(tree, items);
    for (int i = 1; i <= tree.Count(); ++i) {
      notes.Store(tree.ItemAt(i).Span, {std::string(tree.ItemAt(i).ItemText()), "本文 " + std::to_string(i)});
    }
  }
  Snapshot Take() const {
    Snapshot s;
    for (int i = 1; i <= tree.Count(); ++i) {
      s.emplace_back(tree.ItemAt(i).Level(), tree.ItemAt(i).ItemText(), notes.NoteOf(tree.ItemAt(i).Span));
    }
    return s;
  }
};

Snapshot Read(core::MemoryDisk disk) {
  disk.before = nullptr;
  core::SheetContents read = core::ReadSheetSet(disk, kBase);
  Snapshot s;
  for (int i = 1; i <= read.tree.Count(); ++i) {
    s.emplace_back(read.tree.ItemAt(i).Level(), read.tree.ItemAt(i).ItemText(),
                   read.notes.NoteOf(read.tree.ItemAt(i).Span));
  }
  return s;
}

// The files a reader finds once it has recovered what a save left.
std::vector<std::string> FilesAfterRecovery(core::MemoryDisk disk) {
  disk.before = nullptr;
  core::RecoverSheet(disk, kBase);
  std::vector<std::string> names;
  for (const auto& [path, bytes] : disk.files) names.push_back(path);
  return names;
}

const std::vector<std::string> kSet = {"C:\\notes\\sheet.Bin", "C:\\notes\\sheet.Pcr", "C:\\notes\\sheet.Txt"};

}  // namespace

TEST(SheetSet, WhatIsWrittenReadsBackAndASaveCutShortAtAnyStepLeavesTheOldSetOrTheNewOneWhole) {
  core::MemoryDisk old_disk;
  Sheet old_sheet({"古い", ">子"});
  core::WriteSheetSet(old_disk, kBase, old_sheet.tree, old_sheet.notes);
  ASSERT_EQ(Read(old_disk), old_sheet.Take());
  EXPECT_EQ(FilesAfterRecovery(old_disk), kSet);

  // A note stored twice leaves an old copy behind; the save compacts it away.
  Sheet new_sheet({"新しい", "二", ">三", ">>四"});
  new_sheet.notes.Store(new_sheet.tree.ItemAt(1).Span, {"新しい", "書き直した本文"});
  const Snapshot old_snapshot = old_sheet.Take(), new_snapshot = new_sheet.Take();

  std::vector<std::pair<Step, std::string>> steps;
  {
    core::MemoryDisk disk = old_disk;
    Sheet counted = new_sheet;
    disk.before = [&](Step step, const std::string& path) { steps.emplace_back(step, path); };
    core::WriteSheetSet(disk, kBase, counted.tree, counted.notes);
    EXPECT_EQ(counted.notes.LineCount(), 8u);
    EXPECT_EQ(counted.Take(), new_snapshot);
    EXPECT_EQ(Read(disk), new_snapshot);
  }
  ASSERT_GE(steps.size(), 8u);

  for (bool crash : {false, true}) {
    for (std::size_t k = 0; k < steps.size(); ++k) {
      SCOPED_TRACE((crash ? "crash at step " : "failure at step ") + std::to_string(k) + " " + steps[k].second);
      core::MemoryDisk disk = old_disk;
      Sheet saving = new_sheet;
      std::size_t at = 0;
      disk.before = [&](Step step, const std::string& path) {
        if (at++ != k) return;
        if (!crash) throw core::Error(path + ": 書き込めません");
        if (step == Step::Write) disk.files[path] = "半分";  // the file torn where the write stopped
        throw Crash{};
      };
      bool failed = false;
      try {
        core::WriteSheetSet(disk, kBase, saving.tree, saving.notes);
      } catch (const Crash&) {
        failed = true;
      } catch (const core::Error&) {
        failed = true;
      }
      const Snapshot read = Read(disk);
      EXPECT_TRUE(read == old_snapshot || read == new_snapshot);
      if (!failed) {
        EXPECT_EQ(read, new_snapshot);
      }
      // A failure cleans up after itself; what a crash leaves, the next load clears.
      EXPECT_EQ(FilesAfterRecovery(disk), kSet);
      // Whatever became of the files, the sheet in memory is the one being saved.
      EXPECT_EQ(saving.Take(), new_snapshot);
    }
  }
}

TEST(SheetSet, ALoadFinishesACommittedSaveAndDiscardsOneThatNeverCommitted) {
  core::MemoryDisk base_disk;
  Sheet old_sheet({"古い"}), new_sheet({"新しい", ">子"});
  core::WriteSheetSet(base_disk, kBase, old_sheet.tree, old_sheet.notes);

  core::MemoryDisk disk = base_disk;
  std::size_t renames = 0;
  disk.before = [&](Step step, const std::string&) {
    if (step == Step::Rename && ++renames == 2) throw Crash{};
  };
  EXPECT_THROW(core::WriteSheetSet(disk, kBase, new_sheet.tree, new_sheet.notes), Crash);
  EXPECT_EQ(Read(disk), new_sheet.Take());

  disk = base_disk;
  disk.before = [&](Step step, const std::string& path) {
    if (step == Step::Write && path.ends_with(".Sav~")) {
      disk.files[path] = "sheet.Pcr~\r\n";  // the marker half written
      throw Crash{};
    }
  };
  EXPECT_THROW(core::WriteSheetSet(disk, kBase, new_sheet.tree, new_sheet.notes), Crash);
  EXPECT_EQ(Read(disk), old_sheet.Take());
  EXPECT_EQ(FilesAfterRecovery(disk), kSet);
}

TEST(SheetSet, AnUnwritableOutlineTouchesNoFileAndADamagedSetIsRefusedWithWhatIsWrong) {
  core::MemoryDisk disk;
  EXPECT_FALSE(core::SheetSetExists(disk, kBase));
  Sheet sheet({"一", "二"});
  core::WriteSheetSet(disk, kBase, sheet.tree, sheet.notes);
  const auto written = disk.files;

  sheet.tree.SetItemText(2, "二\r行");
  std::size_t steps = 0;
  disk.before = [&](Step, const std::string&) { ++steps; };
  EXPECT_THROW(core::WriteSheetSet(disk, kBase, sheet.tree, sheet.notes), core::OutlineError);
  EXPECT_EQ(steps, 0u);
  EXPECT_EQ(disk.files, written);
  disk.before = nullptr;

  // Only one file of the three is enough for the set to be there, and to be refused.
  core::MemoryDisk lone;
  lone.files["C:\\notes\\sheet.Bin"] = "";
  EXPECT_TRUE(core::SheetSetExists(lone, kBase));
  EXPECT_THROW(core::ReadSheetSet(lone, kBase), core::Error);

  disk.files["C:\\notes\\sheet.Pcr"] = "";
  try {
    core::ReadSheetSet(disk, kBase);
    ADD_FAILURE() << "an empty outline was read";
  } catch (const core::OutlineError& e) {
    EXPECT_STREQ(e.what(), core::outline_message::kBadIndex);
  }
  disk.files = written;
  disk.files["C:\\notes\\sheet.Txt"] = "一\r\n";  // the second item's note now reaches past the lines
  try {
    core::ReadSheetSet(disk, kBase);
    ADD_FAILURE() << "a span past the note lines was read";
  } catch (const core::SheetError& e) {
    EXPECT_NE(std::string(e.what()).find("C:\\notes\\sheet.Bin"), std::string::npos) << e.what();
  }
}
