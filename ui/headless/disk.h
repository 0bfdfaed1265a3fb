#pragma once
// The headless desktop's disk: Windows paths ("C:\\notes\\日誌.Pcr") map to files below a
// folder of the host that the test owns, so that files really land on disk.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ui::headless {

// "C:\\a\\b.txt" -> <root>/C/a/b.txt; a path without a drive is taken on drive C.
std::filesystem::path HostPath(std::string_view windows_path);

// A test's hook into the steps of ui/file.h: it is called before each step and may throw to
// make that step fail (a ui::FileError) or to stand for the process dying there (anything else).
enum class FileStep { Read, Write, Flush, Rename, Remove };
void SetFileFault(std::function<void(FileStep step, std::string_view path)> hook);

// Off by default, for speed: each write and rename then reaches the device before it returns
// (fsync of the file, and of its folder after a rename), as on the platform.
void SetDurableDisk(bool on);

}  // namespace ui::headless
