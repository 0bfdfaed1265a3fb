#pragma once
// The bytes of the sheet's note files: <base>.Txt, every note line followed by CR LF (kept by
// core/note_store.h), and <base>.Bin, one 8-byte record per item (StartLine, LineCount; signed
// 32-bit little-endian).

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/note_span.h"

namespace core {

// A note file whose content does not fit the sheet; the message names the file and the fault.
class SheetError : public Error {
 public:
  using Error::Error;
};

// A line ends at CR LF, a lone CR or a lone LF; a NUL byte ends the text.
std::vector<std::string> ParseTxt(std::string_view bytes);

std::string BinBytes(const std::vector<NoteSpan>& spans);
// The first `items` records; refused when there are fewer, or when a span is negative, reaches
// past the `lines` lines of <base>.Txt or shares lines with another span.
std::vector<NoteSpan> ParseBin(std::string_view bytes, int items, std::size_t lines, const std::string& path);

}  // namespace core
