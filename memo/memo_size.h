#pragma once
// The memo window's size arithmetic, in pixels, from the editor font's pixel height h.

namespace memo {

constexpr int kEditorLeft = 10;         // the margin left, right and below the editor
constexpr int kEditorTop = 15;          // the title line's band above it
constexpr int kWindowExtraWidth = 20;   // the window is this much wider than the editor
constexpr int kWindowExtraHeight = 25;  // and this much taller
constexpr int kStartChars = 10;         // an empty memo is ten half-width characters wide

constexpr int HalfWidth(int h) { return h / 2; }
// The margin term m, 7 for every height from 12 to 23.
constexpr int Margin(int h) { return (h / 12) * 7; }
// The allowance a added to a measured line width.
constexpr int Allowance(int h) { return (h / 12) * 15; }
// The width limit of n half-width characters, and the height limit of l lines.
constexpr int WidthOfChars(int n, int h) { return (n * h) / 2 + Margin(h); }
constexpr int HeightOfLines(int l, int h) { return l * h + Margin(h); }

}  // namespace memo
