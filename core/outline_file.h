#pragma once
// The outline text file <base>.Pcr: one line per item in index order, (level - 1) TABs, the item
// text, CR LF.

#include <string>

#include "core/outline_tree.h"
#include "ui/file.h"

namespace core {

// A file that cannot be created, opened, written or read; the message names the file and carries
// the file system's own words.
using FileError = ui::FileError;

namespace outline_message {
inline constexpr char kUnwritableText[] = "CR または 0x1A を含む項目はｱｳﾄﾗｲﾝ ﾌｧｲﾙに書き込めません";
}  // namespace outline_message

// Writes every item, or nothing at all: a line that would not fit the line buffer, or a text
// holding a line end or the end mark, is refused before the file is touched.
void WriteOutline(const OutlineTree& tree, const std::string& path);

// Replaces the tree by the file's items, all collapsed, the first one selected. A failing line
// keeps the items read before it. Does not call the click handler: the caller shows the result.
void ReadOutline(OutlineTree& tree, const std::string& path);

}  // namespace core
