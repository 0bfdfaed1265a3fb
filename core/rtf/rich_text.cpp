#include "core/rtf/rich_text.h"

#include "core/cp932.h"

namespace core::rtf {

void RichText::Append(std::string_view text, const CharFormat& format) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().format == format) {
    runs.back().text.append(text);
  } else {
    runs.push_back(Run{std::string(text), format});
  }
}

std::string RichText::Text() const {
  std::string text;
  for (const Run& run : runs) text += run.text;
  return text;
}

std::string ClampFace(std::string_view face) {
  std::size_t end = 0;
  while (end < face.size()) {
    std::size_t next = end + cp932::CharLength(face, end);
    if (next > kMaxFaceBytes) break;
    end = next;
  }
  return std::string(face.substr(0, end));
}

namespace {
constexpr int kHalfPointsPerInch = 144;
constexpr int kScreenDpi = 96;
}  // namespace

int HalfPointsFromPixels(int pixels) { return (pixels * kHalfPointsPerInch + kScreenDpi / 2) / kScreenDpi; }

int PixelsFromHalfPoints(int halfPoints) {
  return (halfPoints * kScreenDpi + kHalfPointsPerInch / 2) / kHalfPointsPerInch;
}

}  // namespace core::rtf
