// The log sheet's save and load of a large sheet (100,000 items, 1,000,000 note lines), against
// plainly copying the same bytes; storing one note on a small and on that large sheet; and the
// showing of the window from hidden, which loads the default sheet and paints it, at three sizes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/large_sheet.h"
#include "core/sheet_export.h"
#include "core/sheet_set.h"
#include "logsheet/sheet_disk.h"
#include "logsheet/log_sheet_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/disk.h"
#include "ui/headless/world.h"
#include "ui/probe.h"

namespace {

using bench::kLinesPerNote;
using bench::kRecordsPerHeading;
using bench::NoteLine;

constexpr int kItems = 100'000;
const std::string kBase = "C:\\bench\\LogSheet";

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
  ui::probe::Session session{[](const std::string&) {}, kProgramPath};
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
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(ui::headless::HostPath(kBase + ".Txt")));
}
BENCHMARK(SaveSheet)->Unit(benchmark::kMillisecond);

void LoadSheet(benchmark::State& state) {
  Desk& d = Large();
  d.sheet->SaveSheet(kBase);
  for (auto _ : state) d.sheet->LoadSheet(kBase);
}
BENCHMARK(LoadSheet)->Unit(benchmark::kMillisecond);

// The three files copied as a save writes its files, each flushed to a temporary file that then
// replaces the copy: read whole, or through one block of a megabyte (what reading and writing the
// bytes costs when no block as large as a file is taken: a fresh block that size is paid for page
// by page).
void CopySetFiles(const std::string& base, bool whole) {
  for (const char* ext : {".Pcr", ".Txt", ".Bin"}) {
    const std::string copy = base + "-copy" + ext;
    if (whole) {
      ui::WriteFileFlushed(copy + "~", ui::ReadFileBytes(base + ext));
    } else {
      ui::WriteFileFlushed(copy + "~",
                           [&](const core::ByteSink& sink) { ui::ReadFilePieces(base + ext, 1 << 20, sink); });
    }
    ui::RenameReplacing(copy + "~", copy);
  }
}

void PlainCopy(benchmark::State& state) {
  Desk& d = Large();
  d.sheet->SaveSheet(kBase);
  for (auto _ : state) CopySetFiles(kBase, true);
}
BENCHMARK(PlainCopy)->Unit(benchmark::kMillisecond);

// The set alone, read and written again by the core on files of `items` items, against the
// piecewise copy of its bytes: a sheet as large as a 32-bit program can hold (1,000,000 items,
// 480 MB) loads and saves in pieces, as a small one does.
struct SetOnDisk {
  explicit SetOnDisk(int items) : base("C:\\bench\\Set" + std::to_string(items)) {
    Large();  // the desktop whose disk the set is written to
    std::filesystem::create_directories(ui::headless::HostPath("C:\\bench"));
    bench::SheetBytes bytes = bench::LargeSheet(items);
    ui::WriteFileFlushed(base + ".Pcr", bytes.pcr);
    ui::WriteFileFlushed(base + ".Txt", bytes.txt);
    ui::WriteFileFlushed(base + ".Bin", bytes.bin);
  }
  std::string base;
  ToolkitDisk disk;
};

void ReadSet(benchmark::State& state) {
  SetOnDisk set(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(core::ReadSheetSet(set.disk, set.base));
}
BENCHMARK(ReadSet)->Arg(kItems)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void WriteSet(benchmark::State& state) {
  SetOnDisk set(static_cast<int>(state.range(0)));
  core::SheetContents sheet = core::ReadSheetSet(set.disk, set.base);
  for (auto _ : state) core::WriteSheetSet(set.disk, set.base, sheet.tree, sheet.notes);
}
BENCHMARK(WriteSet)->Arg(kItems)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void CopySet(benchmark::State& state) {
  SetOnDisk set(static_cast<int>(state.range(0)));
  for (auto _ : state) CopySetFiles(set.base, false);
}
BENCHMARK(CopySet)->Arg(kItems)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

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

// The default set of `items` items written beside the program.
void WriteDefaultSet(int items) {
  bench::SheetBytes bytes = bench::LargeSheet(items);
  const std::string base = DefaultSheetBase();
  ui::WriteFileFlushed(base + ".Pcr", bytes.pcr);
  ui::WriteFileFlushed(base + ".Txt", bytes.txt);
  ui::WriteFileFlushed(base + ".Bin", bytes.bin);
}

// From hidden to the first paint: the default set read, the outline and the note drawn. It
// replaces the large desk's sheet, so it runs last.
void ShowSheet(benchmark::State& state) {
  Desk& d = Large();
  std::filesystem::create_directories(ui::headless::HostPath(DefaultSheetBase()).parent_path());
  WriteDefaultSet(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    d.sheet->Hide();
    ui::probe::Pump();
    ui::headless::TheWorld().paints.clear();
    state.ResumeTiming();
    d.sheet->Show();
    ui::probe::Pump();
  }
  if (d.sheet->olTree.Items().Count() != state.range(0) || ui::headless::TheWorld().paints.empty()) {
    state.SkipWithError("the default sheet was not shown");
  }
  state.counters["items"] = static_cast<double>(state.range(0));
}
BENCHMARK(ShowSheet)->Arg(1'000)->Arg(10'000)->Arg(kItems)->Unit(benchmark::kMillisecond);

// The large set, as read, taken out as text and as a web page, each block copied into one reused
// buffer as the piecewise copy's blocks are: against CopySet/100000.
template <class Export>
void ExportSet(benchmark::State& state, Export source_of) {
  SetOnDisk set(kItems);
  const core::SheetContents sheet = core::ReadSheetSet(set.disk, set.base);
  std::string buffer;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    source_of(sheet)([&](std::string_view block) {
      buffer.assign(block);
      bytes += block.size();
    });
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void ExportText(benchmark::State& state) {
  ExportSet(state, [](const core::SheetContents& s) { return core::TextExport(s.tree, s.notes); });
}
BENCHMARK(ExportText)->Unit(benchmark::kMillisecond);

void ExportHtml(benchmark::State& state) {
  ExportSet(state, [](const core::SheetContents& s) { return core::HtmlExport(s.tree, s.notes, "LogSheet"); });
}
BENCHMARK(ExportHtml)->Unit(benchmark::kMillisecond);

}  // namespace
