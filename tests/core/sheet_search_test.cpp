// Searching the whole log sheet: the matching rules on single lines, a walk over a small sheet,
// and the folded search against a slow reading of the same rules on random texts.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/cp932.h"
#include "core/sheet_search.h"
#include "tests/core/outline_test_util.h"

namespace {

using core::SearchOptions;
using core::SheetHit;
using core::SheetPlace;
using Hits = std::vector<std::pair<std::size_t, std::size_t>>;  // start and length in bytes

constexpr SearchOptions kExact{true, true};
constexpr SearchOptions kAnyCase{false, true};  // the default
constexpr SearchOptions kAnyWidth{true, false};
constexpr SearchOptions kAnyForm{false, false};

// Every hit in the line, each searched from one byte after the last one's start.
Hits Every(std::string_view line, std::string_view text, SearchOptions options) {
  core::LineMatcher matcher(text, options);
  Hits hits;
  std::size_t length = 0;
  for (std::size_t at = matcher.Find(line, 0, 0, length); at != std::string_view::npos;
       at = matcher.Find(line, at + 1, 0, length)) {
    hits.push_back({at, length});
  }
  return hits;
}

}  // namespace

TEST(SheetSearch, MatchesWholeCharactersInEitherCaseAndWidthAsAsked) {
  struct Row {
    const char* line;
    const char* text;
    SearchOptions options;
    Hits hits;
  };
  const std::vector<Row> rows = {
      // the second byte of a double-byte character is never a character of its own
      {"表\\ソ", "\\", kAnyForm, {{2, 1}}},
      {"ァ@＠", "@", kAnyForm, {{2, 1}, {3, 2}}},
      {"ガk", "K", kAnyCase, {{2, 1}}},
      {"表", "\x95", kAnyForm, {}},
      {"表\x95", "\x95", kExact, {{2, 1}}},  // a lead byte that ends the line stands alone
      // case
      {"Abc aBC", "abc", kAnyCase, {{0, 3}, {4, 3}}},
      {"Abc aBC", "aBC", kExact, {{4, 3}}},
      {"ＡＢＣabc", "abc", kAnyCase, {{6, 3}}},
      {"ＡＢＣabc", "ａｂｃ", kAnyCase, {{0, 6}}},
      // width
      {"ＡＢＣabc", "ABC", kAnyWidth, {{0, 6}}},
      {"ＡＢＣabc", "ABC", kAnyForm, {{0, 6}, {6, 3}}},
      {"１２３　x￥＼", "123 X\\", kAnyForm, {{0, 11}}},
      {"￥\\＼", "\\", kAnyWidth, {{0, 2}, {2, 1}, {3, 2}}},
      {"ｶﾞｲﾄﾞ", "ガイド", kAnyWidth, {{0, 5}}},
      {"ガイド", "ｶﾞｲﾄﾞ", kAnyWidth, {{0, 6}}},
      {"ガイド", "ｶﾞｲﾄﾞ", kAnyCase, {}},
      {"xﾊﾟﾝとｳﾞｨ", "パン", kAnyForm, {{1, 3}}},
      {"xﾊﾟﾝとｳﾞｨ", "ヴィ", kAnyForm, {{6, 3}}},
      {"｡｢｣､･ｰ", "。「」、・ー", kAnyWidth, {{0, 6}}},
      // a kana and its mark are one character: neither is found alone; a mark no kana takes is
      {"ｶﾞ", "カ", kAnyForm, {}},
      {"ｶﾞ", "ﾞ", kAnyForm, {}},
      {"ｶﾞ", "ｶ", kAnyCase, {{0, 1}}},
      {"ｱﾞカ゛", "゛", kAnyForm, {{1, 1}, {4, 2}}},
      {"カ゛", "ガ", kAnyForm, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Every(row.line, row.text, row.options), row.hits)
        << row.line << " / " << row.text << " case " << row.options.match_case << " width " << row.options.match_width;
  }
}

TEST(SheetSearch, WalksTheWholeSheetInTreeOrderWrappingAtItsEnds) {
  core::OutlineTree tree;
  core::NoteStore notes;
  outline_test::Build(tree, {"日誌", ">朝の記録", ">旧い題", ">空", "予定", ">夜の記録"});
  const std::vector<std::vector<std::string>> note_of = {
      {"日誌"}, {"朝の記録", "記録は二行", "記録"}, {"昼の記録"}, {}, {"予定"}, {"夜の記録"}};
  for (int i = 1; i <= tree.Count(); ++i) notes.Store(tree.ItemAt(i).Span, note_of[i - 1]);
  tree.SetItemText(4, " ");  // as an item with an empty note is shown
  tree.CloseAll();

  core::SheetSearch search(tree, notes, "記録", {});
  std::size_t total = 0;
  const std::vector<SheetHit> first = search.All(3, total);
  EXPECT_EQ(total, 5u);  // the caption "朝の記録" is its note's first line, found once
  EXPECT_EQ(first, (std::vector<SheetHit>{{{2, 1, 4}, 4}, {{2, 2, 0}, 4}, {{2, 3, 0}, 4}}));

  auto at = [&](SheetPlace from, bool forward) {
    auto found = search.Next(from, forward);
    return found ? std::pair(found->hit.at, found->wrapped) : std::pair(SheetPlace{-1, -1, 0}, false);
  };
  EXPECT_EQ(at({2, 1, 4}, true), std::pair(SheetPlace{2, 1, 4}, false));  // a hit at `from` is found forward
  EXPECT_EQ(at({2, 1, 5}, true), std::pair(SheetPlace{2, 2, 0}, false));
  EXPECT_EQ(at({3, 0, 0}, true), std::pair(SheetPlace{3, 1, 4}, false));  // on past the closed heading
  EXPECT_EQ(at({6, 1, 5}, true), std::pair(SheetPlace{2, 1, 4}, true));
  EXPECT_EQ(at({99, 0, 0}, true), std::pair(SheetPlace{2, 1, 4}, true));
  EXPECT_EQ(at({2, 2, 0}, false), std::pair(SheetPlace{2, 1, 4}, false));  // only before `from` backward
  EXPECT_EQ(at({6, 0, 0}, false), std::pair(SheetPlace{3, 1, 4}, false));
  EXPECT_EQ(at({2, 1, 4}, false), std::pair(SheetPlace{6, 1, 4}, true));
  EXPECT_EQ(at({1, -1, 0}, false), std::pair(SheetPlace{6, 1, 4}, true));

  // A caption of its own is searched as line 0; the " " of an empty note is not.
  EXPECT_EQ(core::SheetSearch(tree, notes, "旧い", {}).Next({1, 0, 0}, true)->hit, (SheetHit{{3, 0, 0}, 4}));
  core::SheetSearch(tree, notes, " ", {}).All(0, total);
  EXPECT_EQ(total, 0u);

  // The note being edited is searched as it stands in the pane, its stored lines no more.
  search.SetEditedNote(2, {"朝の記録", "書き直した"});
  EXPECT_EQ(search.All(0, total), std::vector<SheetHit>{});
  EXPECT_EQ(total, 3u);
  EXPECT_EQ(search.LineText(2, 2), "書き直した");
  EXPECT_EQ(search.LineText(3, 0), "旧い題");
  EXPECT_EQ(core::SheetSearch(tree, notes, "書き直", {}).Next({1, 0, 0}, true), std::nullopt);
  EXPECT_THROW(search.LineText(2, 3), core::OutlineError);

  for (const char* absent : {"無い", ""}) {
    core::SheetSearch none(tree, notes, absent, {});
    EXPECT_EQ(none.Next({1, 0, 0}, true), std::nullopt);
    EXPECT_EQ(none.Next({1, 0, 0}, false), std::nullopt);
    EXPECT_TRUE(none.All(10, total).empty());
    EXPECT_EQ(total, 0u);
  }
}

namespace {

// The rules written out slowly: a text is cut into characters, a kana and the mark it takes
// being one where width is folded, and each character is folded to a canonical one.
std::vector<std::pair<std::size_t, std::string>> Folded(std::string_view text, SearchOptions options) {
  static const std::map<std::string, std::string> width = {
      {"ａ", "a"}, {"Ａ", "A"},  {"ｂ", "b"},  {"　", " "}, {"￥", "\\"}, {"ｶ", "カ"}, {"ｶﾞ", "ガ"},
      {"ﾊ", "ハ"}, {"ﾊﾟ", "パ"}, {"ﾊﾞ", "バ"}, {"ﾞ", "゛"}, {"ﾟ", "゜"},  {"ｰ", "ー"}};
  static const std::map<std::string, std::string> upper = {{"A", "a"}, {"Ａ", "ａ"}};
  std::vector<std::pair<std::size_t, std::string>> chars;  // where each starts, folded
  for (std::size_t i = 0; i < text.size();) {
    std::string c(text.substr(i, core::cp932::CharLength(text, i)));
    if (!options.match_width && i + c.size() < text.size() && width.contains(c + text[i + c.size()])) {
      c += text[i + c.size()];
    }
    const std::size_t start = i;
    i += c.size();
    if (!options.match_width && width.contains(c)) c = width.at(c);
    if (!options.match_case && upper.contains(c)) c = upper.at(c);
    chars.push_back({start, c});
  }
  chars.push_back({text.size(), ""});
  return chars;
}

Hits Reference(std::string_view line, std::string_view text, SearchOptions options) {
  const auto l = Folded(line, options), t = Folded(text, options);
  const std::size_t n = t.size() - 1;
  Hits hits;
  for (std::size_t i = 0; i + n < l.size(); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < n && same; ++k) same = l[i + k].second == t[k].second;
    if (same) hits.push_back({l[i].first, l[i + n].first - l[i].first});
  }
  return hits;
}

}  // namespace

TEST(SheetSearch, FindsWhatTheRulesReadSlowlyFindOnRandomTexts) {
  const std::vector<std::string> pieces = {"a", "A",  "ａ", "Ａ", "b",  "ｂ", " ",  "　", "\\", "￥", "表", "ソ",
                                           "ｶ", "カ", "ガ", "ﾊ",  "ハ", "パ", "バ", "ﾞ",  "ﾟ",  "゛", "ｰ",  "ー"};
  std::mt19937 random(7);
  auto some = [&](int most) {
    std::string s;
    for (int n = std::uniform_int_distribution<>(1, most)(random); n > 0; --n) {
      s += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    return s;
  };
  int found = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string line = some(14), text = some(3);
    for (SearchOptions options : {kExact, kAnyCase, kAnyWidth, kAnyForm}) {
      const Hits want = Reference(line, text, options);
      found += !want.empty();
      ASSERT_EQ(Every(line, text, options), want)
          << line << " / " << text << " case " << options.match_case << " width " << options.match_width;
    }
  }
  EXPECT_GT(found, 1000);  // the texts are alike enough for the rules to be tried
}
