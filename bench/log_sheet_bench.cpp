// The log sheet's save and load of a large sheet (100,000 items, 1,000,000 note lines), against
// plainly copying the same bytes; and storing one note on a small and on that large sheet.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "logsheet/log_sheet_window.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/disk.h"
#include "ui/probe.h"

namespace {

constexpr int kItems = 100'000;
constexpr int kLinesPerNote = 10;
constexpr int kRecordsPerHeading = 50;
const std::string kBase = "C:\\bench\\LogSheet";

// A line of about forty bytes, in the code page the sheet keeps.
std::string NoteLine(int item, int line) {
  return "記録 " + std::to_string(item) + " の " + std::to_string(line) + " 行目: 今日の作業とその結果";
}

struct Desk {
  explicit Desk(int items) {
    std::filesystem::create_directories(ui::headless::HostPath("C:\\bench"));
    app.CreateForm(sheet);
    sheet->Show();
    sheet->ClearSheet();
    auto& tree = sheet->olTree.Items();
    tree.Reserve(items);
    for (int i = 1; i <= items; ++i) {
      tree.AppendAtLevel(i % kRecordsPerHeading == 1 ? 1 : 2, NoteLine(i, 0));
      std::vector<std::string> note;
      for (int l = 0; l < kLinesPerNote; ++l) note.push_back(NoteLine(i, l));
      sheet->Notes.Store(sheet->SpanOf(i), note);
    }
    tree.SetSelected(1);
    sheet->ShowNote();
  }
  ui::probe::Session session{[](const std::string&) {}};
  ui::App app;
  TMainOut* sheet = nullptr;
};

Desk& Large() {
  static auto* desk = new Desk(kItems);
  return *desk;
}

void SaveSheet(benchmark::State& state) {
  Desk& d = Large();
  for (auto _ : state) d.sheet->SaveSheet(kBase);
  state.SetBytesProcessed(state.iterations() *
                          std::filesystem::file_size(ui::headless::HostPath(kBase + ".Txt")));
}
BENCHMARK(SaveSheet)->Unit(benchmark::kMillisecond);

void LoadSheet(benchmark::State& state) {
  Desk& d = Large();
  d.sheet->SaveSheet(kBase);
  for (auto _ : state) d.sheet->LoadSheet(kBase);
}
BENCHMARK(LoadSheet)->Unit(benchmark::kMillisecond);

// Reading the three files and writing each to a copy, flushed, as a save writes them.
void PlainCopy(benchmark::State& state) {
  Desk& d = Large();
  d.sheet->SaveSheet(kBase);
  for (auto _ : state) {
    for (const char* ext : {".Pcr", ".Txt", ".Bin"}) {
      ui::WriteFileFlushed(kBase + "-copy" + ext, ui::ReadFileBytes(kBase + ext));
    }
  }
}
BENCHMARK(PlainCopy)->Unit(benchmark::kMillisecond);

// One ten-line note typed into the middle item and stored; the sheet's size is the argument.
void StoreNote(benchmark::State& state) {
  static std::unique_ptr<Desk> small;
  Desk* d = &Large();
  if (state.range(0) != kItems) {
    small = std::make_unique<Desk>(static_cast<int>(state.range(0)));
    d = small.get();
  }
  auto& tree = d->sheet->olTree.Items();
  int middle = tree.Count() / 2;
  std::vector<std::string> note;
  for (int l = 0; l < kLinesPerNote; ++l) note.push_back(NoteLine(middle, l) + " 書き直し");
  d->sheet->moNote.SetLines(note);
  for (auto _ : state) {
    d->sheet->moNote.SetModified(true);
    d->sheet->StoreNote(middle);
  }
  small.reset();
}
BENCHMARK(StoreNote)->Arg(1'000)->Arg(kItems)->Unit(benchmark::kMicrosecond);

}  // namespace
