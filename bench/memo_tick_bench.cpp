// The memo window's timer tick on the headless desktop: on an empty memo and on one of 1 MB of
// text in 20,000 lines, whose tick should cost about as much; and on eight lines like those of
// the 1 MB memo, which parts what the lines read cost from what the length of the text does.

#include <benchmark/benchmark.h>

#include <string>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

constexpr int kLines = 20'000;
constexpr int kLineChars = 48;  // with its CR LF, 50 bytes a line

void TickMemo(benchmark::State& state, int lines) {
  ui::probe::Session session{[&](const std::string& fault) { state.SkipWithError(fault.c_str()); }, kProgramPath};
  ui::App app;
  Memo = MemoState{};
  Display = DisplaySettings{};
  app.CreateForm(Form1);
  Form1->Show();
  std::string text;
  text.reserve(static_cast<std::size_t>(lines) * (kLineChars + 2));
  for (int i = 0; i < lines; ++i) text += std::string(kLineChars, 'x') + "\r\n";
  Form1->Edit1.SetText(text);
  ui::headless::FireTimers(3);  // the width and the word wrap settle
  for (auto _ : state) {
    // The probe keeps advancing through the text, so every tick reads and measures its lines.
    if (Memo.LineCounter > lines - 4) Memo.LineCounter = 2;
    ui::headless::FireTimers();
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}

void BM_TickEmptyMemo(benchmark::State& state) { TickMemo(state, 0); }
void BM_TickEightLineMemo(benchmark::State& state) { TickMemo(state, 8); }
void BM_TickMegabyteMemo(benchmark::State& state) { TickMemo(state, kLines); }

BENCHMARK(BM_TickEmptyMemo);
BENCHMARK(BM_TickEightLineMemo);
BENCHMARK(BM_TickMegabyteMemo);

}  // namespace
