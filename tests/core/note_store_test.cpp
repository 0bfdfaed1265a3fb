#include <gtest/gtest.h>

#include <random>

#include "core/note_store.h"
#include "core/sheet_files.h"

using core::NoteSpan;
using Lines = std::vector<std::string>;

TEST(NoteStore, LinesThatCannotBeReadBackWholeAreSplitAndCleaned) {
  Lines pane = {"a\r\nb", "c\rd\ne", std::string("x\0y", 3), ""};
  EXPECT_EQ(core::StorableLines(pane), (Lines{"a", "b", "c", "d", "e", "xy", ""}));
  EXPECT_EQ(core::StorableLines({"ソ表", ""}), (Lines{"ソ表", ""}));
}

TEST(NoteStore, TheItemTextIsTheFirstLineAsTheOutlineFileCanHoldIt) {
  EXPECT_EQ(core::ItemTextOf({}), "");
  EXPECT_EQ(core::ItemTextOf({"見出し\x1A", "本文"}), "見出し");
  std::string wide;
  for (int i = 0; i < 1500; ++i) wide += "あ";
  std::string text = core::ItemTextOf({wide});
  EXPECT_EQ(text.size(), 2048u);
  EXPECT_EQ(text, wide.substr(0, 2048));  // whole characters only
}

TEST(NoteStore, StoringAppendsAndCompactionKeepsOnlyWhatSpansPointAt) {
  core::NoteStore store;
  NoteSpan a, b, empty;
  store.Store(a, {"a1"});
  store.Store(b, {"b1", "b2"});
  store.Store(a, {"a2", "", "a3"});
  EXPECT_EQ(store.LineCount(), 6u);
  EXPECT_EQ(store.NoteOf(a), (Lines{"a2", "", "a3"}));

  std::vector<NoteSpan> in_item_order = {b, empty, a};
  store.Compact(in_item_order);
  EXPECT_EQ(store.Lines(), (Lines{"b1", "b2", "a2", "", "a3"}));
  EXPECT_EQ(in_item_order, (std::vector<NoteSpan>{{0, 2}, {2, 0}, {2, 3}}));  // an empty note starts where it stands
}

namespace {
// The lines of <base>.Txt's bytes read in pieces of `piece` bytes.
Lines ReadInPieces(std::string_view bytes, std::size_t piece) {
  core::NoteStore store;
  core::NoteStore::TxtReader reader(store);
  for (std::size_t at = 0; at < bytes.size(); at += piece) reader.Take(bytes.substr(at, piece));
  reader.Finish();
  return store.Lines();
}

std::string TxtOf(const core::NoteStore& store) { return core::Gathered(store.TxtSource()); }
}  // namespace

TEST(SheetFiles, TxtEndsLinesAtEveryKindOfLineEndAndStopsAtNulHoweverItsBytesArePieced) {
  const std::vector<std::pair<std::string, Lines>> files = {
      {"a\r\n\r\nソ\r\n", {"a", "", "ソ"}},
      {"a\rb\nc\r\n\rd", {"a", "b", "c", "", "d"}},
      {std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
      {std::string("a\r\n\0b", 5), {"a"}},
      {"\r\r\n\n", {"", "", ""}},
      {"", {}},
  };
  for (const auto& [bytes, lines] : files) {
    EXPECT_EQ(core::ParseTxt(bytes), lines);
    for (std::size_t piece = 1; piece <= bytes.size(); ++piece) EXPECT_EQ(ReadInPieces(bytes, piece), lines) << piece;
  }

  // Lines read, stored and compacted are written back with CR LF, in item order.
  core::NoteStore store;
  core::NoteStore::TxtReader reader(store);
  reader.Take("a\r\nb");
  reader.Take("\r");
  reader.Take("\nc");
  reader.Finish();
  NoteSpan read{0, 3}, stored;
  store.Store(stored, {"", "ソ表"});
  EXPECT_EQ(TxtOf(store), "a\r\nb\r\nc\r\n\r\nソ表\r\n");
  std::vector<NoteSpan> in_item_order = {stored, read};
  store.Compact(in_item_order);
  EXPECT_EQ(TxtOf(store), "\r\nソ表\r\na\r\nb\r\nc\r\n");
  EXPECT_EQ(store.NoteOf(in_item_order[1]), (Lines{"a", "b", "c"}));
}

TEST(SheetFiles, BinRecordsAreLittleEndianPairsAndBadOnesAreRefused) {
  NoteSpan a{0, 2}, b{2, 0}, c{2, 3};
  std::string bin = core::BinBytes({a, b, c});
  EXPECT_EQ(bin, std::string("\0\0\0\0\2\0\0\0\2\0\0\0\0\0\0\0\2\0\0\0\3\0\0\0", 24));
  EXPECT_EQ(core::ParseBin(bin, 3, 5, "s.Bin"), (std::vector<NoteSpan>{a, b, c}));
  EXPECT_EQ(core::ParseBin(bin, 2, 5, "s.Bin").size(), 2u);  // records beyond the items are not read

  auto refused = [](const std::string& bytes, int items, std::size_t lines) {
    try {
      core::ParseBin(bytes, items, lines, "C:\\s.Bin");
    } catch (const core::SheetError& e) {
      return std::string(e.what()).find("C:\\s.Bin") != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(refused(bin, 4, 5));  // fewer records than items
  EXPECT_TRUE(refused(bin, 3, 4));  // the last note reaches past the lines
  NoteSpan overlap{1, 2}, negative{-1, 1}, huge{0x7FFFFFFF, 1};
  EXPECT_TRUE(refused(core::BinBytes({a, overlap}), 2, 5));
  EXPECT_FALSE(refused(core::BinBytes({c, a}), 2, 5));  // another order, no shared lines
  EXPECT_TRUE(refused(core::BinBytes({negative}), 1, 5));
  EXPECT_TRUE(refused(core::BinBytes({huge}), 1, 5));
}

// Loaded lines, stored notes and compactions in any order: every note reads back as it was
// last stored, and the Txt bytes hold exactly the notes in item order.
TEST(NoteStore, NotesReadStoredAndCompactedInAnyOrderReadBackAsLastStored) {
  std::mt19937 random(7);
  auto line_of = [&random](int round) {
    const int size = std::uniform_int_distribution<int>(0, 3)(random) == 0 ? 0 : 1 + int(random() % 90);
    return std::string(size, static_cast<char>('a' + round % 26));
  };
  core::NoteStore store;
  std::vector<Lines> model(8);
  std::vector<NoteSpan> spans(8);
  {
    std::string txt;
    for (int item = 0; item < 8; ++item) {
      spans[item] = {static_cast<std::int32_t>(item * 3), 3};
      for (int k = 0; k < 3; ++k) {
        model[item].push_back(line_of(item));
        txt += model[item].back() + "\r\n";
      }
    }
    core::NoteStore::TxtReader reader(store);
    for (std::size_t at = 0; at < txt.size(); at += 37) reader.Take(std::string_view(txt).substr(at, 37));
    reader.Finish();
  }
  for (int round = 0; round < 400; ++round) {
    const int item = static_cast<int>(random() % 8);
    if (random() % 5 == 0) {
      store.Compact(spans);
    } else {
      Lines note(random() % 4);
      for (std::string& line : note) line = line_of(round);
      store.Store(spans[item], note);
      model[item] = note;
    }
    for (int i = 0; i < 8; ++i) ASSERT_EQ(store.NoteOf(spans[i]), model[i]) << "round " << round << " item " << i;
  }
  store.Compact(spans);
  std::string expected;
  for (const Lines& note : model)
    for (const std::string& line : note) expected += line + "\r\n";
  EXPECT_EQ(TxtOf(store), expected);
}
