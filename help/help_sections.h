#pragma once
// The help text's eleven sections: where each heading stands, and where the help viewer
// scrolls to show it, the heading's top a little below the top of the view.

#include <array>
#include <string_view>

inline constexpr int kHelpLineHeight = 12;
// The text area scrolls over a fixed range, through a view of this height.
inline constexpr int kHelpTextHeight = 8000;
inline constexpr int kHelpViewHeight = 397;
// A shown heading's top stands this far below the top of the view.
inline constexpr int kHeadingGap = 10;

struct HelpSection {
  std::string_view caption;  // the viewer's button for the section
  int line = 0;              // the heading's line, counted from 1
  int position = 0;          // the scroll position that shows it, in pixels
};

inline constexpr int kHelpSectionCount = 11;
using HelpSectionTable = std::array<HelpSection, kHelpSectionCount>;
// The first showing of the viewer opens at the last section, on errors.
inline constexpr int kFirstShownSection = kHelpSectionCount - 1;

// The scroll position that puts a heading on this line kHeadingGap below the top of the view.
int ScrollPositionOf(int line);

// Finds each heading ("　　１：…", "　　１１：…") after the one before it; a heading missing
// is a core::Error.
HelpSectionTable FindHelpSections(std::string_view text);
// The sections of the program's own help text.
HelpSectionTable HelpSections();
