#pragma once
// The application's one tooltip window, which shows the hints of its controls.

#include <string>

#include "ui/win32/native.h"

namespace ui::win32 {

void SetTooltipStyle(Color background, int delay_ms);
void SetTooltip(HWND control, const std::string& text);
void DestroyTooltips();
// What the tooltip window holds for the control; empty when it has no tool for it.
std::string TooltipText(HWND control);
// The background the tooltip window paints with.
COLORREF TooltipBackground();

}  // namespace ui::win32
