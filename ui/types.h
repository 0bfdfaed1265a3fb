#pragma once
// Value types shared by the toolkit and the program: colours, geometry, fonts, results.

#include <cstdint>
#include <string>

namespace ui {

// 0x00BBGGRR. Values with the high bit set name a colour of the desktop's scheme.
using Color = std::uint32_t;
constexpr Color clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clNavy = 0x800000, clPurple = 0x800080,
                clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00,
                clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr Color kSystemColor = 0x80000000;
constexpr Color clWindow = kSystemColor | 5, clWindowText = kSystemColor | 8, clBtnFace = kSystemColor | 15,
                clBtnShadow = kSystemColor | 16, clBtnText = kSystemColor | 18, clBtnHighlight = kSystemColor | 20,
                clInfoBk = kSystemColor | 24;
constexpr bool IsSystemColor(Color c) { return (c & kSystemColor) != 0; }

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  // Empty rectangles meet nothing, as with the platform's IntersectRect.
  bool Intersects(const Bounds& o) const {
    return width > 0 && height > 0 && o.width > 0 && o.height > 0 && left < o.Right() && o.left < Right() &&
           top < o.Bottom() && o.top < Bottom();
  }
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Height as the platform takes it: negative is the character height in pixels.
struct Font {
  std::string name = "ＭＳ Ｐゴシック";
  int height = -12;
  unsigned style = 0;
  Color color = clWindowText;
  int PixelHeight() const { return height < 0 ? -height : height; }
  friend bool operator==(const Font&, const Font&) = default;
};

enum class ModalResult { None = 0, OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

enum class MouseButton { Left, Right, Middle };

// The platform's numbers of the keys a window acts on in a dialog.
constexpr int kKeyTab = 0x09, kKeyEnter = 0x0D, kKeyEscape = 0x1B, kKeySpace = 0x20, kKeyF1 = 0x70, kKeyF3 = 0x72;

enum class Align { None, Top, Bottom, Left, Right, Client };

}  // namespace ui
