// The saving program is killed (SIGKILL) at random moments while it saves, again and again, and
// after each kill the program's own load reads what is on the disk: always the last generation
// it finished or the one it was writing, whole; never a mix, an empty file or a load error.
// POCHIRA_KILLS sets the kills of each kind (100 unless set; 1000 for the full run).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <utility>

#include "core/rtf/rtf_reader.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "settings/settings_store.h"
#include "tests/kill/generations.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

int Kills() {
  const char* n = std::getenv("POCHIRA_KILLS");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 100;
}

// One run of the saving program, killed after `ms` milliseconds; the last generation it said it
// finished, or `before` when it finished none.
int RunAndKill(const std::string& what, const std::filesystem::path& folder, int first, int ms, int before) {
  int out[2];
  if (pipe(out) != 0) ADD_FAILURE() << "no pipe";
  pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    close(out[1]);
    std::string first_text = std::to_string(first);
    execl(SAVING_PROGRAM, SAVING_PROGRAM, what.c_str(), folder.c_str(), first_text.c_str(), nullptr);
    _exit(127);
  }
  close(out[1]);
  usleep(static_cast<useconds_t>(ms * 1000 + std::rand() % 1000));
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << what << " ended by itself: " << status;
  std::string said;
  char block[256];
  for (ssize_t n; (n = read(out[0], block, sizeof block)) > 0;) said.append(block, static_cast<std::size_t>(n));
  close(out[0]);
  int last = before;
  for (std::size_t at = 0, end; (end = said.find('\n', at)) != std::string::npos; at = end + 1) {
    last = std::stoi(said.substr(at, end - at));
  }
  return last;
}

// A fresh desktop whose disk is the folder the saving program wrote in.
class DiskOf {
 public:
  explicit DiskOf(const std::filesystem::path& folder)
      : own_(std::exchange(ui::headless::TheWorld().disk_root, folder.string())) {}
  ~DiskOf() { ui::headless::TheWorld().disk_root = own_; }

 private:
  std::string own_;
};

class KillWhileSaving : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("pochira-kill-" + std::to_string(getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "C" / "pochira");
  }
  void TearDown() override {
    if (HasFailure()) {
      std::cerr << "the files are kept in " << folder << "\n";
    } else {
      std::filesystem::remove_all(folder);
    }
  }

  // Kills the saving program `kills` times, each after a random wait below `longest_ms`, and
  // hands the program's files to `check` with the last generation known finished; `check`
  // says which generation it found.
  template <class Check>
  void KillAndLoad(const std::string& what, int longest_ms, Check check) {
    std::mt19937 random(12345);
    int finished = -1;
    int loads = 0;
    for (int k = 0; k < Kills() && !HasFatalFailure(); ++k) {
      const int ms = static_cast<int>(random() % static_cast<unsigned>(longest_ms));
      const int said = RunAndKill(what, folder, finished + 1, ms, finished);
      SCOPED_TRACE(what + " kill " + std::to_string(k) + " after " + std::to_string(ms) + " ms, generation " +
                   std::to_string(said) + " finished");
      ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
      DiskOf disk(folder);
      const int found = check(said);
      ++loads;
      if (HasFailure()) return;
      finished = found;
    }
    std::cout << what << ": " << Kills() << " kills, " << loads << " loads, last generation " << finished << "\n";
  }

  std::filesystem::path folder;
};

}  // namespace

TEST_F(KillWhileSaving, TheLogSheetIsAlwaysTheOldOrTheNewSetWhole) {
  KillAndLoad("sheet", 400, [](int said) {
    struct StandIn : ui::Form{StandIn() : ui::Form("TMain"){}}* palette = nullptr;
    ui::App app;
    app.CreateForm(palette);
    app.CreateForm(MainOut);
    const std::string base = "C:\\notes\\日誌";
    if (!ui::FileExists(base + ".Pcr")) {
      EXPECT_EQ(said, -1) << "a finished save left no set";
      EXPECT_FALSE(ui::FileExists(base + ".Txt") || ui::FileExists(base + ".Bin"));
      return -1;
    }
    try {
      MainOut->LoadSheet(base);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "the load failed: " << e.what();
      return said;
    }
    auto& items = MainOut->olTree.Items();
    // The generation is in the first item's text: "項目 <n>版 0".
    const std::string first(items.ItemAt(1).ItemText());
    const int found = std::atoi(first.c_str() + std::string("項目 ").size());
    EXPECT_TRUE(found == said || found == said + 1) << "found " << first;
    const std::vector<saving::SheetItem> expected = saving::SheetOf(found);
    EXPECT_EQ(items.Count(), static_cast<int>(expected.size()));
    for (int i = 1; i <= items.Count() && i <= static_cast<int>(expected.size()); ++i) {
      const saving::SheetItem& want = expected[static_cast<std::size_t>(i - 1)];
      if (items.ItemAt(i).ItemText() != want.text || items.ItemAt(i).Level() != want.level ||
          MainOut->Notes.NoteOf(MainOut->SpanOf(i)) != want.note) {
        ADD_FAILURE() << "item " << i << " is not of generation " << found;
        break;
      }
    }
    for (const char* left : {".Pcr~", ".Txt~", ".Bin~", ".Sav~"}) EXPECT_FALSE(ui::FileExists(base + left)) << left;
    return found;
  });
}

TEST_F(KillWhileSaving, TheMemoFileIsAlwaysTheOldOrTheNewTextNeverEmpty) {
  KillAndLoad("memo", 300, [](int said) {
    const std::string path = "C:\\pochira\\Memo1.txt";
    if (!ui::FileExists(path)) {
      EXPECT_EQ(said, -1) << "a finished autosave left no file";
      return -1;
    }
    const std::string bytes = ui::ReadFileBytes(path);
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find('\0'), std::string::npos) << "NUL bytes in the file";
    Memo = MemoState{};
    Display = DisplaySettings{};
    ui::App app;
    app.CreateForm(Form1);
    EXPECT_EQ(ui::headless::Beeps(), 0) << "the memo file did not load";
    const std::string text = Form1->Edit1.Text();
    const int found = std::atoi(text.c_str() + std::string("第").size());
    EXPECT_TRUE(found == said || found == said + 1) << "found " << text.substr(0, 20);
    EXPECT_EQ(core::rtf::ReadRtf(bytes).Text(), saving::MemoOf(found));
    return found;
  });
}

TEST_F(KillWhileSaving, TheSettingsFileHoldsEachValueOldOrNewInTheOrderOfWriting) {
  KillAndLoad("settings", 600, [](int said) {
    ui::App app;
    saving::SettingsValues stored = saving::SettingsOf(-1);
    ui::Font font{kFixedPitch, -stored.fontsize, 0, ui::clBlack};
    ReadSettings(stored.display, font);
    stored.fontsize = -font.height;
    stored.date = ReadDate(stored.date);
    if (said >= 0) {
      EXPECT_FALSE(ui::ReadFileBytes(SettingsFilePath()).empty());
    }
    // A save stopped part-way has written its first keys and none after.
    const auto values = saving::InWriteOrder(stored);
    const auto old_values = saving::InWriteOrder(saving::SettingsOf(said));
    const auto new_values = saving::InWriteOrder(saving::SettingsOf(said + 1));
    bool fits = false;
    for (std::size_t written = 0; written <= values.size() && !fits; ++written) {
      fits = true;
      for (std::size_t i = 0; i < values.size(); ++i)
        fits = fits && values[i] == (i < written ? new_values : old_values)[i];
    }
    EXPECT_TRUE(fits) << "haba " << values[1] << ", date " << values.back() << " after generation " << said;
    return values == new_values ? said + 1 : said;
  });
}
