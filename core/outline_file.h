#pragma once
// The outline text file <base>.Pcr: one line per item in index order, (level - 1) TABs, the item
// text, CR LF. Bytes in and bytes out; the program reads and writes them through its file layer.

#include <string>
#include <string_view>

#include "core/byte_pieces.h"
#include "core/outline_tree.h"

namespace core {

namespace outline_message {
inline constexpr char kUnwritableText[] = "CR または 0x1A を含む項目はｱｳﾄﾗｲﾝ ﾌｧｲﾙに書き込めません";
}  // namespace outline_message

// Every item's line, handed on in blocks when the source is called; the tree must stay as it is
// until then. An outline the file cannot hold (a line that would not fit the reader's line
// buffer, a text holding a line end or the end mark) is refused here, before any byte is written.
ByteSource OutlineSource(const OutlineTree& tree);
std::string OutlineBytes(const OutlineTree& tree);

// Replaces the tree by the items of the file's bytes, all collapsed, the first one selected. A
// failing line keeps the items read before it. Does not call the click handler: the caller
// shows the result.
void ReadOutline(OutlineTree& tree, std::string_view bytes);
// The same from bytes handed in pieces of any size, holding no more of them than one line.
void ReadOutline(OutlineTree& tree, const ByteSource& source);

}  // namespace core
