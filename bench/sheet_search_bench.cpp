// Searching the large sheet (100,000 items, 1,000,000 note lines, 44 MB): a search that finds
// nothing walks it all, against plainly looking for the same bytes in every line; a find-next
// whose hit is in the next item; and every hit of a text each item holds once.

#include <benchmark/benchmark.h>

#include <cstring>
#include <limits>
#include <string>

#include "bench/large_sheet.h"
#include "core/memory_disk.h"
#include "core/sheet_search.h"
#include "core/sheet_set.h"

namespace {

constexpr int kItems = 100'000;

const core::SheetContents& Sheet() {
  static const core::SheetContents* sheet = [] {
    core::MemoryDisk disk;
    bench::SheetBytes bytes = bench::LargeSheet(kItems);
    disk.files["C:\\s.Pcr"] = std::move(bytes.pcr);
    disk.files["C:\\s.Txt"] = std::move(bytes.txt);
    disk.files["C:\\s.Bin"] = std::move(bytes.bin);
    return new core::SheetContents(core::ReadSheetSet(disk, "C:\\s"));
  }();
  return *sheet;
}

// Texts the sheet does not hold: ASCII, Japanese whose start every line holds, katakana.
const char* const kAbsent[] = {"Absent", "作業とその反省", "ガイド"};
const char* const kAbsentNames[] = {"ASCII", "Japanese", "katakana"};  // for the report, in ASCII
const core::SearchOptions kOptions[] = {{false, true}, {true, true}, {false, false}, {true, false}};
const char* const kOptionNames[] = {"any case", "exact", "any case and width", "any width"};

void NotFound(benchmark::State& state) {
  const core::SheetContents& sheet = Sheet();
  const char* text = kAbsent[state.range(0)];
  core::SheetSearch search(sheet.tree, sheet.notes, text, kOptions[state.range(1)]);
  for (auto _ : state) {
    if (search.Next({1, 0, 0}, true)) state.SkipWithError("found");
  }
  state.SetLabel(std::string(kAbsentNames[state.range(0)]) + ", " + kOptionNames[state.range(1)]);
}
BENCHMARK(NotFound)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

// The reference: memmem of the text over every note line's bytes.
void Memmem(benchmark::State& state) {
  const core::SheetContents& sheet = Sheet();
  const char* text = kAbsent[state.range(0)];
  const std::size_t length = std::strlen(text);
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::size_t hits = 0;
    bytes = 0;
    for (std::size_t i = 0; i < sheet.notes.LineCount(); ++i) {
      const std::string_view line = sheet.notes.Line(i);
      bytes += line.size();
      hits += memmem(line.data(), line.size(), text, length) != nullptr;
    }
    benchmark::DoNotOptimize(hits);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.SetLabel(kAbsentNames[state.range(0)]);
}
BENCHMARK(Memmem)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// "の 3 行目" is in every item once, in its fourth note line.
constexpr char kOncePerItem[] = "の 3 行目";

void NextInNextItem(benchmark::State& state) {
  const core::SheetContents& sheet = Sheet();
  core::SheetSearch search(sheet.tree, sheet.notes, kOncePerItem, kOptions[state.range(0)]);
  int item = kItems / 2;
  for (auto _ : state) {
    auto found = search.Next({item, 5, 0}, true);
    if (!found || found->hit.at.item != item + 1) state.SkipWithError("not in the next item");
    item = item + 1 < kItems ? item + 1 : kItems / 2;
  }
  state.SetLabel(kOptionNames[state.range(0)]);
}
BENCHMARK(NextInNextItem)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void AllHits(benchmark::State& state) {
  const core::SheetContents& sheet = Sheet();
  core::SheetSearch search(sheet.tree, sheet.notes, kOncePerItem, kOptions[state.range(0)]);
  for (auto _ : state) {
    std::size_t total = 0;
    auto hits = search.All(std::numeric_limits<std::size_t>::max(), total);
    if (total != kItems || hits.size() != kItems) state.SkipWithError("not a hit per item");
  }
  state.SetLabel(kOptionNames[state.range(0)]);
}
BENCHMARK(AllHits)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
