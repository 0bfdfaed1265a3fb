#include <map>
#include <tuple>

#include "ui/win32/native.h"

namespace ui::win32 {

COLORREF Resolve(Color c) {
  if (IsSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
  return static_cast<COLORREF>(c & 0xFFFFFF);
}

HFONT FontHandle(const Font& font) {
  using Key = std::tuple<std::string, int, unsigned>;
  static std::map<Key, HFONT> fonts;
  Key key{font.name, font.height, font.style};
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  HFONT handle =
      CreateFontA(font.height, 0, 0, 0, (font.style & fsBold) ? FW_BOLD : FW_NORMAL, (font.style & fsItalic) != 0,
                  (font.style & fsUnderline) != 0, (font.style & fsStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.name.c_str());
  fonts.emplace(key, handle);
  return handle;
}

void GdiCanvas::FillRect(const Bounds& r, Color color) {
  HBRUSH brush = CreateSolidBrush(Resolve(color));
  RECT rc{r.left, r.top, r.Right(), r.Bottom()};
  ::FillRect(dc_, &rc, brush);
  DeleteObject(brush);
}

void GdiCanvas::Rectangle(const Bounds& r, Color pen, int pen_width, Color brush, bool filled) {
  if (filled) FillRect(r, brush);
  Bounds edge = r;
  for (int i = 0; i < pen_width && edge.width > 0 && edge.height > 0; ++i) {
    FillRect({edge.left, edge.top, edge.width, 1}, pen);
    FillRect({edge.left, edge.Bottom() - 1, edge.width, 1}, pen);
    FillRect({edge.left, edge.top, 1, edge.height}, pen);
    FillRect({edge.Right() - 1, edge.top, 1, edge.height}, pen);
    edge = {edge.left + 1, edge.top + 1, edge.width - 2, edge.height - 2};
  }
}

void GdiCanvas::TextOut(int x, int y, std::string_view text, const Font& font, const Color* background) {
  HGDIOBJ old = SelectObject(dc_, FontHandle(font));
  SetTextColor(dc_, Resolve(font.color));
  if (background) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, Resolve(*background));
  } else {
    SetBkMode(dc_, TRANSPARENT);
  }
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
  SelectObject(dc_, old);
}

// The classic masked copy: the key colour's pixels leave the surface as it was.
void GdiCanvas::DrawBitmap(int x, int y, const std::string& resource) {
  static std::map<std::string, HBITMAP> bitmaps;
  HBITMAP& picture = bitmaps[resource];
  if (!picture) picture = LoadBitmapA(Instance(), resource.c_str());
  if (!picture) return;
  BITMAP info;
  GetObjectA(picture, sizeof info, &info);
  int w = info.bmWidth, h = info.bmHeight;
  HDC source = CreateCompatibleDC(dc_), mask = CreateCompatibleDC(dc_);
  HGDIOBJ old_source = SelectObject(source, picture);
  HBITMAP mask_bits = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ old_mask = SelectObject(mask, mask_bits);
  COLORREF key = GetPixel(source, 0, h - 1);
  SetBkColor(source, key);
  BitBlt(mask, 0, 0, w, h, source, 0, 0, SRCCOPY);
  COLORREF old_bk = SetBkColor(dc_, RGB(255, 255, 255)), old_text = SetTextColor(dc_, RGB(0, 0, 0));
  BitBlt(dc_, x, y, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc_, x, y, w, h, mask, 0, 0, SRCAND);
  BitBlt(dc_, x, y, w, h, source, 0, 0, SRCINVERT);
  SetBkColor(dc_, old_bk);
  SetTextColor(dc_, old_text);
  SelectObject(mask, old_mask);
  DeleteObject(mask_bits);
  SelectObject(source, old_source);
  DeleteDC(mask);
  DeleteDC(source);
}

}  // namespace ui::win32

namespace ui {

// A memory DC made once: asking the platform for a window's DC on every measurement costs far
// more than the measurement itself.
// One memory DC for every measurement; a font is selected into it only when the font changes,
// and its height is asked once.
Size TextExtent(const Font& font, std::string_view text) {
  static HDC dc = CreateCompatibleDC(nullptr);
  static HFONT selected = nullptr;
  static int height = 0;
  HFONT handle = win32::FontHandle(font);
  if (handle != selected) {
    SelectObject(dc, handle);
    selected = handle;
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    height = static_cast<int>(tm.tmHeight);
  }
  SIZE s{0, 0};
  if (!text.empty()) GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &s);
  return {static_cast<int>(s.cx), height};
}

}  // namespace ui
