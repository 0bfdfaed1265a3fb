#pragma once
// The help viewer's text, compiled into the program from resources/help_text.txt: Shift-JIS
// lines ended by CR LF, each fitting the viewer's text area.

#include <string_view>
#include <vector>

std::string_view HelpText();

// The text's lines, without their ends.
std::vector<std::string_view> HelpLines(std::string_view text);
