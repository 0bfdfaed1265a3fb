// Writes a log sheet of realistic shape as files of the host, for timing the real program:
//   bench_make_sheet BASE ITEMS    writes BASE.Pcr, BASE.Txt and BASE.Bin
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/large_sheet.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) < 1) {
    std::fprintf(stderr, "usage: bench_make_sheet BASE ITEMS\n");
    return 2;
  }
  const std::string base = argv[1];
  bench::SheetBytes bytes = bench::LargeSheet(std::atoi(argv[2]));
  for (auto [ext, data] : {std::pair{".Pcr", &bytes.pcr}, {".Txt", &bytes.txt}, {".Bin", &bytes.bin}}) {
    std::ofstream out(base + ext, std::ios::binary | std::ios::trunc);
    if (!out.write(data->data(), static_cast<std::streamsize>(data->size())) || !out.flush()) {
      std::fprintf(stderr, "bench_make_sheet: cannot write %s%s\n", base.c_str(), ext);
      return 1;
    }
  }
  return 0;
}
