// Every file the program reads, damaged: a valid file cut at many offsets and with single bits
// flipped, then loaded through the program's own code path. Each load ends in a clear message
// or a sound result, and nothing on the disk changes. Built a second time with AddressSanitizer
// and UndefinedBehaviorSanitizer (build/asan), where a stray access or an overflow ends the run.
// POCHIRA_SWEEP sets the truncations and the flips of each file (100 unless set; 1000 in full).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "logsheet/log_sheet_window.h"
#include "memo/memo_autosave.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "settings/settings_store.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

int Count() {
  const char* n = std::getenv("POCHIRA_SWEEP");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 100;
}

std::string HostBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file on the desktop's disk with its bytes.
std::map<std::string, std::string> DiskContents() {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ui::headless::TheWorld().disk_root)) {
    if (entry.is_regular_file()) files[entry.path().string()] = HostBytes(entry.path());
  }
  return files;
}

struct Damage {
  std::string what;  // "cut at 17", "bit 3 of byte 120"
  std::string bytes;
};

// Cuts at `count` offsets spread over the file (every offset of a smaller one), then `count`
// single-bit flips at random places, the same in every run.
std::vector<Damage> Damaged(const std::string& valid, int count) {
  std::vector<Damage> all;
  const std::size_t size = valid.size();
  const std::size_t cuts = std::min<std::size_t>(static_cast<std::size_t>(count), size);
  for (std::size_t k = 0; k < cuts; ++k) {
    std::size_t at = k * size / cuts;
    all.push_back({"cut at " + std::to_string(at), valid.substr(0, at)});
  }
  std::mt19937 random(20261209);
  for (int k = 0; k < count; ++k) {
    std::size_t at = random() % size;
    int bit = static_cast<int>(random() % 8);
    std::string flipped = valid;
    flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
    all.push_back({"bit " + std::to_string(bit) + " of byte " + std::to_string(at), std::move(flipped)});
  }
  return all;
}

struct StandIn : ui::Form {
  StandIn() : ui::Form("TMain") {}
};

class DamagedFiles : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(ui::headless::HostPath("C:\\notes")); }

  // Loads each damaged form of the file at `path` with `load`, which fails the test for a load
  // that is neither sound nor refused with a message; the disk must stay as `load` found it.
  void Sweep(const std::string& path, const std::string& valid, const std::function<void()>& load) {
    int loads = 0, cuts = 0;
    for (const Damage& d : Damaged(valid, Count())) {
      cuts += d.what.starts_with("cut");
      SCOPED_TRACE(path + ": " + d.what);
      ui::ReplaceFileBytes(path, d.bytes);
      const auto before = DiskContents();
      load();
      ++loads;
      EXPECT_EQ(DiskContents(), before) << "the load changed the disk";
      if (HasFailure()) return;
    }
    std::cout << path << " (" << valid.size() << " bytes): " << loads << " loads, " << cuts << " cut, " << loads - cuts
              << " with a bit flipped\n";
  }

  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
};

// A set as the sheet's save writes it: items on three levels, notes of several lines.
std::string SaveValidSheet(ui::App& app, const std::string& base) {
  StandIn* palette = nullptr;
  app.CreateForm(palette);
  app.CreateForm(MainOut);
  MainOut->ClearSheet();
  auto& items = MainOut->olTree.Items();
  for (int i = 0; i < 130; ++i) {
    items.AppendAtLevel(i % 6 == 0 ? 1 : (i % 6 < 3 ? 2 : 3),
                        "項目 " + std::to_string(i) + (i % 4 ? " ｶﾅ" : " ソース"));
    std::vector<std::string> note;
    for (int k = 0; k < i % 4; ++k) note.push_back("本文 " + std::to_string(i) + "-" + std::to_string(k));
    MainOut->Notes.Store(MainOut->SpanOf(items.Count()), note);
  }
  items.SetSelected(1);
  MainOut->ShowNote();
  MainOut->SaveSheet(base);
  return base;
}

}  // namespace

TEST_F(DamagedFiles, EachFileOfALogSheetLoadsSoundOrIsRefusedAndTheSheetOnScreenStays) {
  ui::App app;
  const std::string base = SaveValidSheet(app, "C:\\notes\\日誌");
  for (const char* ext : {".Pcr", ".Txt", ".Bin"}) {
    const std::string valid = ui::ReadFileBytes(base + ext);
    Sweep(base + ext, valid, [&] {
      MainOut->NewSheet();
      MainOut->SetCaption("見ていたシート");
      try {
        MainOut->LoadSheet(base);
      } catch (const core::Error& e) {
        EXPECT_NE(std::string(e.what()), "");
        EXPECT_EQ(MainOut->Caption(), "見ていたシート") << "a refused set leaves the sheet as it was";
        EXPECT_EQ(MainOut->olTree.Items().Count(), 1);
        return;
      }
      auto& items = MainOut->olTree.Items();
      ASSERT_GE(items.Count(), 1);
      EXPECT_EQ(MainOut->Caption(), base);
      for (int i = 1; i <= items.Count(); ++i) {
        ASSERT_GE(items.ItemAt(i).Level(), 1);
        (void)MainOut->Notes.NoteOf(MainOut->SpanOf(i));
      }
      // What loaded can be shown item by item and saved again.
      for (int i = 1; i <= std::min(items.Count(), 5); ++i) {
        items.SetSelected(i);
        MainOut->ShowNote();
      }
    });
    ui::ReplaceFileBytes(base + ext, valid);
    if (HasFailure()) return;
  }
}

TEST_F(DamagedFiles, TheMemoFileLoadsAsTextOrLeavesTheEditorEmptyAndIsNotWrittenBack) {
  // The fixture's fonts and colours, and more lines typed after them, as the autosave writes it.
  std::ifstream fixture(POCHIRA_FIXTURES "/memo_formats.rtf", std::ios::binary);
  std::string valid((std::istreambuf_iterator<char>(fixture)), std::istreambuf_iterator<char>());
  {
    ui::App app;
    app.CreateForm(Form1);
    ASSERT_TRUE(Form1->Edit1.LoadFromBytes(valid));
    Form1->Edit1.SetSelStart(static_cast<int>(Form1->Edit1.Text().size()));
    for (int k = 0; k < 12; ++k) ui::probe::Type(Form1->Edit1, "\r" + std::to_string(k) + "行目：買い物、ｿﾌﾄ、予定表");
    valid = Form1->Edit1.SaveToRtf();
  }
  Sweep("C:\\pochira\\Memo1.txt", valid, [] {
    Memo = MemoState{};
    Display = DisplaySettings{};
    ui::App app;
    const int beeps = ui::headless::Beeps();
    app.CreateForm(Form1);
    Form1->Show();
    // A memo that did not load is empty and said with a beep; either way, nothing is written
    // while it rests.
    if (ui::headless::Beeps() > beeps) {
      EXPECT_EQ(Form1->Edit1.Text(), "");
    }
    ui::probe::RunFor(memo::MemoAutosave::kQuietMs + memo::MemoAutosave::kTickMs);
  });
}

TEST_F(DamagedFiles, TheSettingsFileGivesEachValueOrItsDefault) {
  ui::App app;
  DisplaySettings written;
  written.haba = 400;
  written.Bar = true;
  SaveSettings(written, ui::Font{kFixedPitch, -14, 0, ui::clBlack});
  WriteDate("2026/12/9");
  auto load = [&] {
    DisplaySettings display;
    ui::Font font{kFixedPitch, -12, 0, ui::clBlack};
    ReadSettings(display, font);
    EXPECT_LT(font.height, 0) << "a font of some pixels, read or kept";
    (void)ReadDate("none");
    // The memo reads them at its creation and takes its shape from them.
    Memo = MemoState{};
    Display = DisplaySettings{};
    app.CreateForm(Form1);
    Form1->Show();
    ui::probe::RunFor(20);
    EXPECT_GT(Form1->Edit1.GetFont().PixelHeight(), 0);
    app.DestroyForm(Form1);
  };
  Sweep(SettingsFilePath(), ui::ReadFileBytes(SettingsFilePath()), load);
  // The same keys kept by hand in a UTF-8 file, with comments and another section around them.
  std::string edited = "\xEF\xBB\xBF; \xE3\x83\x9D\xE3\x83\x81 settings, edited by hand\r\n";
  for (int k = 0; k < 16; ++k)
    edited += "; note " + std::to_string(k) + ": values below were tried on other screens\r\n";
  edited +=
      "[Option:Form1]\r\n  fontsize = 0x10\r\nhaba=\"400\"\r\ntakasa= 250 \r\nBar=1\r\nflex=0\r\nhiduke=2026/12/9\r\n";
  edited += "[Other]\r\nfontsize=99\r\nkey without value\r\n";
  ui::ReplaceFileBytes(SettingsFilePath(), edited);
  DisplaySettings display;
  ui::Font font{kFixedPitch, -12, 0, ui::clBlack};
  ReadSettings(display, font);
  ASSERT_EQ(font.height, -16);
  ASSERT_EQ(display.haba, 400);
  Sweep(SettingsFilePath(), edited, load);
}
