// The outline view answering the user on the headless desktop, on a log sheet of 1,000 and of
// 100,000 items, every item open: a click on a row, End, Down and a page of scrolling must cost
// the same on both; opening and closing everything (the sheet's "開" and "閉") must stay under
// 100 ms on the large one.

#include <benchmark/benchmark.h>

#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/world.h"
#include "ui/outline_view.h"
#include "ui/probe.h"

namespace {

using ui::OutlineView;

constexpr int kLarge = 100'000;
constexpr int kRecordsPerHeading = 50;

class SheetForm : public ui::Form {
 public:
  SheetForm() : ui::Form("TBenchOutline") {
    SetBounds({100, 100, 300, 260});
    olTree.SetBounds({0, 0, 164, 200});  // as the log sheet places it: 14 rows
  }
  ui::OutlineView olTree{this};
};

// Date headings with records below, some with a note or two under them, as outline_bench.cpp.
void Fill(core::OutlineTree& tree, int items) {
  tree.Reserve(items);
  for (int i = 0; i < items; ++i) {
    const int k = i % kRecordsPerHeading;
    const int level = k == 0 ? 1 : (k % 20 == 7 && k > 1) ? 3 : (k % 20 == 8 && k > 2) ? 4 : 2;
    tree.AppendAtLevel(level, level == 1 ? "2024/05/" + std::to_string(i / kRecordsPerHeading % 28 + 1)
                                         : "記録 " + std::to_string(i) + " 電話 表計算ソフトの件");
  }
  tree.OpenAll();
}

struct Desk {
  explicit Desk(int items) {
    app.CreateForm(form);
    form->Show();
    Fill(form->olTree.Items(), items);
    form->olTree.Items().SetSelected(items / 2);
    ui::probe::Pump();
  }
  void Settle() { ui::headless::TheWorld().paints.clear(); }
  OutlineView& view() { return form->olTree; }
  core::OutlineTree& items() { return form->olTree.Items(); }

  ui::probe::Session session{[](const std::string&) {}};
  ui::App app;
  SheetForm* form = nullptr;
};

// One desk at a time: a session is the whole desktop. The last one is left for the process's
// end, as the headless desktop it lives on is gone by the time statics are destroyed.
Desk& DeskOf(benchmark::State& state) {
  static Desk* desk = nullptr;
  static int size = 0;
  if (size != state.range(0)) {
    delete desk;
    desk = nullptr;
    desk = new Desk(static_cast<int>(state.range(0)));
    size = static_cast<int>(state.range(0));
  }
  return *desk;
}

// The rows the last paint drew, to show that the view draws only those in sight.
void CountRowsDrawn(benchmark::State& state) {
  const auto& paints = ui::headless::TheWorld().paints;
  state.counters["rows drawn"] = paints.empty() ? 0 : static_cast<double>(paints.back().texts.size());
}

void ClickRow(benchmark::State& state) {
  Desk& d = DeskOf(state);
  for (auto _ : state) {
    d.Settle();
    ui::probe::ClickAt(d.view(), {30, 5 * OutlineView::kRowHeight + 5});
  }
  CountRowsDrawn(state);
}
BENCHMARK(ClickRow)->Arg(1'000)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

void End(benchmark::State& state) {
  Desk& d = DeskOf(state);
  for (auto _ : state) {
    state.PauseTiming();
    d.items().SetSelected(d.items().Count() / 2);
    d.Settle();
    state.ResumeTiming();
    ui::probe::PressKey(d.view(), OutlineView::kKeyEnd);
  }
  CountRowsDrawn(state);
}
BENCHMARK(End)->Arg(1'000)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

// Moving on from the middle, back to the middle before the end is reached.
void Move(benchmark::State& state, int key) {
  Desk& d = DeskOf(state);
  const int middle = d.items().Count() / 2;
  d.items().SetSelected(middle);
  for (auto _ : state) {
    d.Settle();
    ui::probe::PressKey(d.view(), key);
    if (d.items().Selected() > d.items().Count() - 100) {
      state.PauseTiming();
      d.items().SetSelected(middle);
      state.ResumeTiming();
    }
  }
  CountRowsDrawn(state);
}
void Down(benchmark::State& state) { Move(state, OutlineView::kKeyDown); }
void PageDown(benchmark::State& state) { Move(state, OutlineView::kKeyPageDown); }
BENCHMARK(Down)->Arg(1'000)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(PageDown)->Arg(1'000)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

// Ctrl with the keypad's "*", from a sheet closed down to its headings.
void OpenAll(benchmark::State& state) {
  Desk& d = DeskOf(state);
  for (auto _ : state) {
    state.PauseTiming();
    d.items().CloseAll();
    ui::probe::Pump();
    d.Settle();
    state.ResumeTiming();
    ui::probe::PressKey(d.view(), OutlineView::kKeyMultiply, ui::ssCtrl);
  }
  CountRowsDrawn(state);
}
BENCHMARK(OpenAll)->Arg(kLarge)->Unit(benchmark::kMillisecond);

// The sheet's "閉": every item closed and the view drawn again.
void CloseAll(benchmark::State& state) {
  Desk& d = DeskOf(state);
  for (auto _ : state) {
    state.PauseTiming();
    d.items().OpenAll();
    d.items().SetSelected(d.items().Count() / 2);
    ui::probe::Pump();
    d.Settle();
    state.ResumeTiming();
    d.items().CloseAll();
    d.view().Invalidate();
    ui::probe::Pump();
  }
  CountRowsDrawn(state);
}
BENCHMARK(CloseAll)->Arg(kLarge)->Unit(benchmark::kMillisecond);

}  // namespace
