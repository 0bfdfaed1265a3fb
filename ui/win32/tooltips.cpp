#include "ui/win32/tooltips.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

HWND tooltip = nullptr;

HWND Tooltip() {
  if (tooltip) return tooltip;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  tooltip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, AppWindow(), nullptr, Instance(), nullptr);
  return tooltip;
}

}  // namespace

void SetTooltipStyle(Color background, int delay_ms) {
  SendMessageA(Tooltip(), TTM_SETTIPBKCOLOR, Resolve(background), 0);
  SendMessageA(Tooltip(), TTM_SETDELAYTIME, TTDT_INITIAL, delay_ms);
}

void SetTooltip(HWND control, const std::string& text) {
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageA(Tooltip(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (text.empty()) return;
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(Tooltip(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string TooltipText(HWND control) {
  char text[256] = {};
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  SendMessageA(Tooltip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  return text;
}

COLORREF TooltipBackground() { return static_cast<COLORREF>(SendMessageA(Tooltip(), TTM_GETTIPBKCOLOR, 0, 0)); }

void DestroyTooltips() {
  if (tooltip) DestroyWindow(tooltip);
  tooltip = nullptr;
}

}  // namespace ui::win32
