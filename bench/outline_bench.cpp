// The outline tree and its file on a log sheet of a million items: a few hundred date headings,
// a few thousand records under each, some with notes of their own below.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/outline_file.h"
#include "core/outline_tree.h"

namespace {

using core::OutlineTree;

constexpr int kItems = 1'000'000;
constexpr int kHeadings = 300;
constexpr std::size_t kLineBuffer = 4096;

std::size_t HeapInUse() {
  const auto info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::string TimeText(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", n / 3600 % 24, n / 60 % 60, n % 60);
  return buf;
}

void BuildLogSheet(OutlineTree& tree) {
  const int perHeading = kItems / kHeadings;
  int n = 0;
  for (int day = 0; n < kItems; ++day) {
    char date[16];
    std::snprintf(date, sizeof date, "2024/%02d/%02d", day / 28 % 12 + 1, day % 28 + 1);
    tree.AppendAtLevel(1, date);
    ++n;
    for (int k = 0; k < perHeading - 1 && n < kItems; ++k, ++n) {
      const int shape = n % 20;
      if (shape == 7 && k > 0) {
        tree.AppendAtLevel(3, "詳細: 打ち合わせの議事録と次回までの宿題");
      } else if (shape == 8 && k > 1) {
        tree.AppendAtLevel(4, "メモ");
      } else if (shape == 13) {
        tree.AppendAtLevel(2, TimeText(n) + " 電話 表計算ソフトの件");
      } else {
        tree.AppendAtLevel(2, TimeText(n));
      }
    }
  }
}

const OutlineTree& SharedTree() {
  static OutlineTree* tree = [] {
    auto* t = new OutlineTree;
    BuildLogSheet(*t);
    return t;
  }();
  return *tree;
}

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// The file as a save leaves it, written and read whole as the program's file layer does.
void WriteWhole(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string ReadWhole(const std::string& path) {
  std::string bytes(std::filesystem::file_size(path), '\0');
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) std::abort();
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
  std::fclose(f);
  return bytes;
}

const std::string& SharedFile() {
  static const std::string path = [] {
    std::string p = TempPath("outline_bench.Pcr");
    WriteWhole(p, core::OutlineBytes(SharedTree()));
    return p;
  }();
  return path;
}

std::int64_t FileSize(const std::string& path) { return static_cast<std::int64_t>(std::filesystem::file_size(path)); }

void BM_Build(benchmark::State& state) {
  double bytesPerItem = 0;
  double textBytesPerItem = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    OutlineTree tree;
    BuildLogSheet(tree);
    std::size_t textBytes = 0;  // the captions' own bytes, kept in the tree's arena
    for (int i = 1; i <= tree.Count(); ++i) textBytes += tree.ItemAt(i).ItemText().size();
    bytesPerItem = double(HeapInUse() - before - textBytes) / tree.Count();
    textBytesPerItem = double(textBytes) / tree.Count();
    benchmark::DoNotOptimize(tree);
  }
  state.counters["bytes_per_item"] = bytesPerItem;
  state.counters["text_bytes_per_item"] = textBytesPerItem;
  state.counters["sizeof_item"] = sizeof(core::OutlineItem);
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

void BM_ItemAt(benchmark::State& state) {
  const OutlineTree& tree = SharedTree();
  std::mt19937 random(1);
  std::uniform_int_distribution<int> pick(1, tree.Count());
  std::vector<int> indexes(4096);
  for (int& i : indexes) i = pick(random);
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tree.ItemAt(indexes[k++ & 4095]).Level());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemAt);

void BM_InsertRemoveMiddle(benchmark::State& state) {
  OutlineTree tree;
  BuildLogSheet(tree);
  const int middle = tree.Count() / 2;
  for (auto _ : state) {
    tree.InsertBefore(middle, " ");
    tree.RemoveItem(middle);
  }
}
BENCHMARK(BM_InsertRemoveMiddle)->Unit(benchmark::kMicrosecond);

// The record command's path: a new last item, lowered under the last date heading.
void BM_RecordAtEnd(benchmark::State& state) {
  OutlineTree tree;
  BuildLogSheet(tree);
  for (auto _ : state) {
    const int item = tree.AppendSibling(0, " ");
    tree.ShiftLevel(item, +1);
    tree.RemoveItem(item);
  }
}
BENCHMARK(BM_RecordAtEnd)->Unit(benchmark::kMicrosecond);

void BM_ShiftLevelMiddle(benchmark::State& state) {
  OutlineTree tree;
  BuildLogSheet(tree);
  int item = tree.Count() / 2;
  while (tree.ItemAt(item).Level() != 2 || tree.ItemAt(item - 1).Level() != 2) ++item;
  for (auto _ : state) {
    tree.ShiftLevel(item, +1);  // under the record before it
    tree.ShiftLevel(item, -1);  // and back after it
  }
}
BENCHMARK(BM_ShiftLevelMiddle)->Unit(benchmark::kMicrosecond);

void BM_WriteOutline(benchmark::State& state) {
  const OutlineTree& tree = SharedTree();
  const std::string path = TempPath("outline_bench_write.Pcr");
  for (auto _ : state) WriteWhole(path, core::OutlineBytes(tree));
  state.SetBytesProcessed(state.iterations() * FileSize(path));
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteOutline)->Unit(benchmark::kMillisecond);

// As the log sheet loads: into its one tree, which keeps its room from the load before.
void BM_ReadOutline(benchmark::State& state) {
  const std::string& path = SharedFile();
  OutlineTree tree;
  for (auto _ : state) {
    core::ReadOutline(tree, ReadWhole(path));
    benchmark::DoNotOptimize(tree.Count());
  }
  state.SetBytesProcessed(state.iterations() * FileSize(path));
}
BENCHMARK(BM_ReadOutline)->Unit(benchmark::kMillisecond);

// The first load of a run: every page of the items is new to the process.
void BM_ReadOutlineFreshTree(benchmark::State& state) {
  const std::string& path = SharedFile();
  for (auto _ : state) {
    OutlineTree tree;
    core::ReadOutline(tree, ReadWhole(path));
    benchmark::DoNotOptimize(tree.Count());
  }
  state.SetBytesProcessed(state.iterations() * FileSize(path));
}
BENCHMARK(BM_ReadOutlineFreshTree)->Unit(benchmark::kMillisecond);

std::FILE* OpenUnbuffered(const std::string& path, const char* mode) {
  std::FILE* f = std::fopen(path.c_str(), mode);
  if (f) std::setvbuf(f, nullptr, _IONBF, 0);
  return f;
}

// The yardsticks: the same bytes through a buffer of the same size, with nothing else to do.
void BM_PlainCopy(benchmark::State& state) {
  const std::string& from = SharedFile();
  const std::string to = TempPath("outline_bench_copy.Pcr");
  char buf[kLineBuffer];
  for (auto _ : state) {
    std::FILE* in = OpenUnbuffered(from, "rb");
    std::FILE* out = OpenUnbuffered(to, "wb");
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0) std::fwrite(buf, 1, got, out);
    std::fclose(in);
    std::fclose(out);
  }
  state.SetBytesProcessed(state.iterations() * FileSize(from));
  std::remove(to.c_str());
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state) {
  const std::string& from = SharedFile();
  char buf[kLineBuffer];
  for (auto _ : state) {
    std::FILE* in = OpenUnbuffered(from, "rb");
    while (std::fread(buf, 1, sizeof buf, in) > 0) benchmark::DoNotOptimize(buf[0]);
    std::fclose(in);
  }
  state.SetBytesProcessed(state.iterations() * FileSize(from));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state) {
  const std::string& from = SharedFile();
  const std::int64_t size = FileSize(from);
  const std::string to = TempPath("outline_bench_plain.Pcr");
  char buf[kLineBuffer] = {};
  for (auto _ : state) {
    std::FILE* out = OpenUnbuffered(to, "wb");
    for (std::int64_t done = 0; done < size; done += kLineBuffer) {
      std::fwrite(buf, 1, std::min<std::int64_t>(kLineBuffer, size - done), out);
    }
    std::fclose(out);
  }
  state.SetBytesProcessed(state.iterations() * size);
  std::remove(to.c_str());
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace
