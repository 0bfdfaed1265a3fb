#include "core/sheet_commit.h"

#include <array>
#include <exception>

namespace core {

namespace {

constexpr std::array<const char*, 3> kExtensions = {".Pcr", ".Txt", ".Bin"};
constexpr char kTempSuffix[] = "~";
constexpr char kMarkerExtension[] = ".Sav~";
// The marker's last line: a marker without it was cut off while being written.
constexpr char kMarkerEnd[] = "end\r\n";

std::string Target(const std::string& base, int k) { return base + kExtensions[k]; }
std::string Temp(const std::string& base, int k) { return Target(base, k) + kTempSuffix; }
std::string Marker(const std::string& base) { return base + kMarkerExtension; }

// The temporaries' names, without their folder, so that a moved folder keeps its marker valid.
std::string MarkerText(const std::string& base) {
  std::string::size_type slash = base.find_last_of("\\/");
  std::string name = slash == std::string::npos ? base : base.substr(slash + 1);
  std::string text;
  for (const char* ext : kExtensions) text += name + ext + kTempSuffix + "\r\n";
  return text + kMarkerEnd;
}

void DiscardTemps(SheetDisk& disk, const std::string& base) {
  for (int k = 0; k < 3; ++k) disk.Remove(Temp(base, k));
}

}  // namespace

void SheetDisk::ReadPieces(const std::string& path, std::size_t piece, const ByteSink& take) {
  const std::string bytes = Read(path);
  for (std::size_t at = 0; at < bytes.size(); at += piece) take(std::string_view(bytes).substr(at, piece));
}

void SheetDisk::WritePieces(const std::string& path, const ByteSource& source) { WriteFlushed(path, Gathered(source)); }

void RecoverSheet(SheetDisk& disk, const std::string& base) {
  const std::string marker = Marker(base);
  if (disk.Exists(marker) && disk.Read(marker) == MarkerText(base)) {
    // Committed: a temporary that is gone has been renamed already.
    for (int k = 0; k < 3; ++k) {
      if (disk.Exists(Temp(base, k))) disk.RenameReplacing(Temp(base, k), Target(base, k));
    }
  } else {
    DiscardTemps(disk, base);
  }
  disk.Remove(marker);
}

void CommitSheet(SheetDisk& disk, const std::string& base, const SheetSources& sources) {
  RecoverSheet(disk, base);
  try {
    disk.WritePieces(Temp(base, 0), sources.pcr);
    disk.WritePieces(Temp(base, 1), sources.txt);
    disk.WritePieces(Temp(base, 2), sources.bin);
    disk.WriteFlushed(Marker(base), MarkerText(base));
  } catch (const std::exception&) {
    // Not committed: the old set stands, and nothing of the new one stays beside it.
    try {
      disk.Remove(Marker(base));
      DiscardTemps(disk, base);
    } catch (const std::exception&) {
    }
    throw;
  }
  // Committed: from here on a load finishes what a failure leaves undone.
  for (int k = 0; k < 3; ++k) disk.RenameReplacing(Temp(base, k), Target(base, k));
  // The set is in place: a marker that will not go is removed by the next load, not reported.
  try {
    disk.Remove(Marker(base));
  } catch (const std::exception&) {
  }
}

}  // namespace core
