// ReadOutline on any bytes: it may refuse them only with its two read errors.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/outline_file.h"

namespace msg = core::outline_message;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  core::OutlineTree tree;
  int clicks = 0;
  tree.OnClick = [&] { ++clicks; };
  try {
    core::ReadOutline(tree, std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const core::OutlineError& e) {
    if (std::strcmp(e.what(), msg::kReadError) != 0 && std::strcmp(e.what(), msg::kLineTooLong) != 0) std::abort();
  }
  // Whatever was read is a sound tree: levels step down by at most one, the first item selected.
  for (int i = 1; i <= tree.Count(); ++i) {
    const int level = tree.ItemAt(i).Level();
    const int before = i == 1 ? 0 : tree.ItemAt(i - 1).Level();
    if (level < 1 || level > before + 1 || level > core::OutlineTree::kMaxLevel) std::abort();
    if (tree.IsShown(i) != (level == 1)) std::abort();
  }
  if (tree.Selected() != (tree.Count() > 0 ? 1 : 0) || clicks != 0) std::abort();
  // What was read writes back and reads again to the same items.
  if (tree.Count() > 0) {
    core::OutlineTree again;
    core::ReadOutline(again, core::OutlineBytes(tree));
    if (again.Count() != tree.Count()) std::abort();
    for (int i = 1; i <= tree.Count(); ++i) {
      if (again.ItemAt(i).ItemText() != tree.ItemAt(i).ItemText() ||
          again.ItemAt(i).Level() != tree.ItemAt(i).Level()) {
        std::abort();
      }
    }
  }
  return 0;
}
