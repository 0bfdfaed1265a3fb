#pragma once
// Trees written as a list of texts, each prefixed by one '>' per level below the top.

#include <initializer_list>
#include <string>

#include "core/outline_tree.h"

namespace outline_test {

inline void Build(core::OutlineTree& tree, std::initializer_list<const char*> items) {
  for (const char* entry : items) {
    std::string text = entry;
    int level = 1;
    while (!text.empty() && text[0] == '>') {
      ++level;
      text.erase(0, 1);
    }
    tree.AppendAtLevel(level, text);
  }
}

inline std::string Shape(const core::OutlineTree& tree) {
  std::string shape;
  for (int i = 1; i <= tree.Count(); ++i) {
    if (i > 1) shape += ' ';
    shape.append(tree.ItemAt(i).Level() - 1, '>').append(tree.ItemAt(i).ItemText());
  }
  return shape;
}

// The rows of the view: the shown items' texts.
inline std::string Rows(const core::OutlineTree& tree) {
  std::string rows;
  for (int i = 1; i <= tree.Count(); ++i) {
    if (!tree.IsShown(i)) continue;
    if (!rows.empty()) rows += ' ';
    rows += tree.ItemAt(i).ItemText();
  }
  return rows;
}

}  // namespace outline_test
