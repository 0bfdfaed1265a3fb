#include "ui/rtf/rich_text.h"

namespace ui::rtf {

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

namespace {
constexpr int kHalfPointsPerInch = 144;
constexpr int kScreenDpi = 96;
}  // namespace

int HalfPointsFromPixels(int pixels) {
  return (pixels * kHalfPointsPerInch + kScreenDpi / 2) / kScreenDpi;
}

int PixelsFromHalfPoints(int halfPoints) {
  return (halfPoints * kScreenDpi + kHalfPointsPerInch / 2) / kHalfPointsPerInch;
}

}  // namespace ui::rtf
