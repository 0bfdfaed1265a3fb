// The RTF reader on arbitrary bytes: it may refuse, never crash, hang or grow without bound.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  try {
    core::rtf::RichText text = core::rtf::ReadRtf(input);
    // Whatever was read survives the writer and the reader again: its text at once, and all of
    // it once the writer has moved CP932 text out of Western fonts.
    core::rtf::RichText again = core::rtf::ReadRtf(core::rtf::WriteRtf(text));
    if (again.Text() != text.Text()) __builtin_trap();
    if (core::rtf::ReadRtf(core::rtf::WriteRtf(again)) != again) __builtin_trap();
  } catch (const core::rtf::RtfError&) {
  }
  return 0;
}
