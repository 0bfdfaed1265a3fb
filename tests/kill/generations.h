#pragma once
// What the saving program writes at each generation, so that the test can tell after a kill
// which generation a file holds, and that it holds all of that one and nothing of another.

#include <string>
#include <utility>
#include <vector>

#include "settings/display_settings.h"

namespace saving {

// The log sheet: a few hundred items on three levels, each with a note of one to five lines.
struct SheetItem {
  int level;
  std::string text;
  std::vector<std::string> note;
};

inline std::vector<SheetItem> SheetOf(int generation) {
  std::vector<SheetItem> items;
  const int count = 200 + generation % 37;
  for (int i = 0; i < count; ++i) {
    int level = i % 10 == 0 ? 1 : (i % 10 < 5 ? 2 : 3);
    std::string tag = std::to_string(generation) + "版 " + std::to_string(i);
    std::vector<std::string> note;
    for (int k = 0; k <= (i + generation) % 5; ++k)
      note.push_back("ﾒﾓ本文 " + tag + " 行" + std::to_string(k) + " ｶﾀｶﾅとかな");
    items.push_back({level, "項目 " + tag, std::move(note)});
  }
  return items;
}

// The memo: a first line naming the generation, then lines of changing length.
inline std::string MemoOf(int generation) {
  std::string text = "第" + std::to_string(generation) + "版のメモ";
  for (int k = 0; k < 5 + generation % 40; ++k) {
    text += "\r買い物 " + std::to_string(k) + ": " + std::string(static_cast<std::size_t>((generation + k) % 30), 'x');
  }
  return text;
}

// The settings, as the read values in the order they are written (fontsize first, the date
// last). A generation of -1 is a settings file that does not exist yet.
struct SettingsValues {
  int fontsize;
  DisplaySettings display;
  std::string date;
};

inline SettingsValues SettingsOf(int generation) {
  SettingsValues v{12, DisplaySettings{}, "2026/1/1"};
  if (generation < 0) return v;
  v.fontsize = 10 + generation % 7;
  v.display.haba = static_cast<std::uint16_t>(300 + generation % 97);
  v.display.takasa = static_cast<std::uint16_t>(100 + generation % 89);
  v.display.backcolor = static_cast<ui::Color>(generation);
  bool* flags[] = {&v.display.hanten,   &v.display.gamen,    &v.display.anime, &v.display.fixfont, &v.display.fontcolor,
                   &v.display.mojikesi, &v.display.fixcolor, &v.display.flex,  &v.display.Bar,     &v.display.fontbold};
  for (int k = 0; k < 10; ++k) *flags[k] = (generation + k) % 2 != 0;
  v.date = "2026/12/" + std::to_string(generation % 28 + 1);
  return v;
}

// The fifteen values in the order of their writing, as text.
inline std::vector<std::string> InWriteOrder(const SettingsValues& v) {
  const DisplaySettings& d = v.display;
  std::vector<std::string> out = {std::to_string(v.fontsize), std::to_string(d.haba), std::to_string(d.takasa),
                                  std::to_string(d.backcolor)};
  for (bool flag :
       {d.hanten, d.gamen, d.anime, d.fixfont, d.fontcolor, d.mojikesi, d.fixcolor, d.flex, d.Bar, d.fontbold}) {
    out.push_back(flag ? "1" : "0");
  }
  out.push_back(v.date);
  return out;
}

}  // namespace saving
