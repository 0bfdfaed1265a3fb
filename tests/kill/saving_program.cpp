// Saves again and again, each time the next generation, until it is killed: the log sheet
// through the sheet's save, the memo through its autosave, or the settings through their
// writer, all on the real disk with every write synced. After each whole save it prints the
// generation on a line of its own.
//
//   saving_program sheet|memo|settings <folder> <first generation>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "logsheet/log_sheet_window.h"
#include "memo/memo_autosave.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "settings/settings_store.h"
#include "tests/kill/generations.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

void Report(int generation) {
  std::string line = std::to_string(generation) + "\n";
  if (::write(1, line.data(), line.size()) < 0) std::_Exit(3);
}

struct StandIn : ui::Form {
  StandIn() : ui::Form("TMain") {}
};

[[noreturn]] void SaveSheets(int generation) {
  ui::App app;
  StandIn* palette = nullptr;
  app.CreateForm(palette);
  app.CreateForm(MainOut);
  std::filesystem::create_directories(ui::headless::HostPath("C:\\notes"));
  for (;; ++generation) {
    MainOut->ClearSheet();
    auto& items = MainOut->olTree.Items();
    for (const saving::SheetItem& item : saving::SheetOf(generation)) {
      items.AppendAtLevel(item.level, item.text);
      MainOut->Notes.Store(MainOut->SpanOf(items.Count()), item.note);
    }
    items.SetSelected(1);
    MainOut->ShowNote();
    MainOut->SaveSheet("C:\\notes\\日誌");
    Report(generation);
  }
}

[[noreturn]] void SaveMemos(int generation) {
  ui::App app;
  app.CreateForm(Form1);
  Form1->Show();
  for (;; ++generation) {
    Form1->Edit1.SetText(saving::MemoOf(generation));
    ui::probe::RunFor(memo::MemoAutosave::kQuietMs + memo::MemoAutosave::kTickMs);
    Report(generation);
  }
}

[[noreturn]] void SaveSettingsAgain(int generation) {
  ui::App app;
  for (;; ++generation) {
    saving::SettingsValues v = saving::SettingsOf(generation);
    SaveSettings(v.display, ui::Font{kFixedPitch, -v.fontsize, 0, ui::clBlack});
    WriteDate(v.date);
    Report(generation);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s sheet|memo|settings <folder> <first generation>\n", argv[0]);
    return 2;
  }
  const std::string what = argv[1];
  ui::probe::Session session{[](const std::string& fault) {
                               std::fprintf(stderr, "%s\n", fault.c_str());
                               std::abort();
                             },
                             kProgramPath};
  // The desktop's disk is the test's folder, kept after the process (the killed never clean up).
  std::filesystem::remove_all(std::exchange(ui::headless::TheWorld().disk_root, argv[2]));
  std::filesystem::create_directories(ui::headless::HostPath("C:\\pochira"));
  ui::headless::SetDurableDisk(true);
  const int generation = std::atoi(argv[3]);
  if (what == "sheet") SaveSheets(generation);
  if (what == "memo") SaveMemos(generation);
  if (what == "settings") SaveSettingsAgain(generation);
  std::fprintf(stderr, "nothing to save as %s\n", what.c_str());
  return 2;
}
