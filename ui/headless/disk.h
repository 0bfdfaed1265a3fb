#pragma once
// The headless desktop's disk: Windows paths ("C:\\pochira\\pochira.ini") map to files below a
// folder of the host that the test owns, so that files really land on disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace ui::headless {

// "C:\\a\\b.txt" -> <root>/C/a/b.txt; a path without a drive is taken on drive C.
std::filesystem::path HostPath(std::string_view windows_path);

}  // namespace ui::headless
