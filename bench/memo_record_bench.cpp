// Recording a memo of 10,000 lines into a log sheet of 100,000 items (1,000,000 note lines) and
// clearing it, on the headless desktop: into the default sheet, which each record saves beside
// the program, and into a sheet of another name, which only the user saves.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/startup.h"
#include "bench/large_sheet.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/headless/disk.h"
#include "ui/probe.h"

namespace {

constexpr int kItems = 100'000;
constexpr int kMemoLines = 10'000;

// The whole program, its log sheet of kItems items parked out of sight, today's heading last.
struct Desk {
  Desk() {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app::StartUp();
    app.Run();
    Form1->Show();
    MainOut->Show();
    MainOut->ClearSheet();
    auto& tree = MainOut->olTree.Items();
    tree.Reserve(kItems);
    for (int i = 1; i <= kItems; ++i) {
      tree.AppendAtLevel(i % bench::kRecordsPerHeading == 1 ? 1 : 2, bench::NoteLine(i, 0));
      std::vector<std::string> note;
      for (int l = 0; l < bench::kLinesPerNote; ++l) note.push_back(bench::NoteLine(i, l));
      MainOut->Notes.Store(MainOut->SpanOf(i), note);
    }
    tree.SetSelected(kItems);
    MainOut->ShowNote();
    MainOut->LastDate = ui::ShortDateText();
    for (int l = 0; l < kMemoLines; ++l) memo_text += bench::NoteLine(0, l) + "\r\n";
  }
  ui::probe::Session session{[](const std::string&) {}, kProgramPath};
  ui::App app;
  std::string memo_text;
};

Desk& TheDesk() {
  static auto* desk = new Desk;
  return *desk;
}

void Record(benchmark::State& state, const std::string& caption) {
  Desk& d = TheDesk();
  MainOut->SetCaption(caption);
  for (auto _ : state) {
    state.PauseTiming();
    Form1->Edit1.SetText(d.memo_text);
    state.ResumeTiming();
    Form1->K16Click();
  }
  if (!Form1->Edit1.Text().empty() ||
      MainOut->Notes.NoteOf(MainOut->SpanOf(MainOut->olTree.Items().Count())).size() != kMemoLines + 1) {
    state.SkipWithError("the memo was not recorded whole");
  }
  state.counters["items"] = MainOut->olTree.Items().Count();
}

void RecordAndClearIntoTheDefaultSheet(benchmark::State& state) { Record(state, kDefaultSheetCaption); }
void RecordAndClearIntoAnotherSheet(benchmark::State& state) { Record(state, "C:\\pochira\\別のシート"); }

// The saving one first, while the sheet still has about kItems items: each record adds one.
BENCHMARK(RecordAndClearIntoTheDefaultSheet)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RecordAndClearIntoAnotherSheet)->Unit(benchmark::kMillisecond);

}  // namespace
