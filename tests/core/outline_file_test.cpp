#include "core/outline_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/outline_test_util.h"

using core::OutlineBytes;
using core::OutlineError;
using core::OutlineTree;
using core::ReadOutline;
using core::WholeBytes;
using outline_test::Build;
using outline_test::Rows;
using outline_test::Shape;
namespace msg = core::outline_message;

namespace {

class OutlineFile : public ::testing::Test {
 protected:
  // Reads `bytes` into a fresh tree and gives back the error message, or "" on success. The same
  // bytes read in pieces of a few sizes must give the same tree and the same message.
  std::string Load(const std::string& bytes) {
    std::string error = Read(tree_, WholeBytes(bytes));
    for (std::size_t piece : {1, 2, 3, 4097}) {
      OutlineTree pieced;
      std::string pieced_error = Read(pieced, [&](const core::ByteSink& sink) {
        for (std::size_t at = 0; at < bytes.size(); at += piece) sink(std::string_view(bytes).substr(at, piece));
      });
      EXPECT_EQ(pieced_error, error) << "in pieces of " << piece;
      EXPECT_EQ(Shape(pieced), Shape(tree_)) << "in pieces of " << piece;
    }
    return error;
  }

  static std::string Read(OutlineTree& tree, const core::ByteSource& source) {
    tree = OutlineTree();
    try {
      ReadOutline(tree, source);
    } catch (const OutlineError& e) {
      return e.what();
    }
    return "";
  }

  OutlineTree tree_;
};

}  // namespace

TEST_F(OutlineFile, WritesOneLineOfTabsTextAndCrLfPerItem) {
  Build(tree_, {"a", ">b", "c", ">", ">>d"});
  EXPECT_EQ(OutlineBytes(tree_), "a\r\n\tb\r\nc\r\n\t\r\n\t\td\r\n");

  OutlineTree empty;
  EXPECT_EQ(OutlineBytes(empty), "");
  EXPECT_EQ(Load(""), "");
  EXPECT_EQ(tree_.Count(), 0);
  EXPECT_EQ(tree_.Selected(), 0);
}

TEST_F(OutlineFile, RoundTripKeepsLevelsEmptyTextsBlanksAndShiftJis) {
  OutlineTree tree;
  tree.AppendSibling(0, "");
  for (int level = 2; level <= OutlineTree::kMaxLevel; ++level) {
    tree.AppendChild(level - 1, std::string(level % 3, ' ') + std::to_string(level));
  }
  for (const char* text : {" ", "\t", "\t\tindented", "  two spaces", "", "ソ表", "表\\ソ", "a\nb", "\x81",
                           "\x81\x81 x", "\x81\tx", "　全角", "ﾊﾝｶｸ"}) {
    tree.AppendSibling(0, text);
    tree.AppendChild(tree.Count(), text);
  }
  ReadOutline(tree_, OutlineBytes(tree));
  ASSERT_EQ(tree_.Count(), tree.Count());
  for (int i = 1; i <= tree.Count(); ++i) {
    EXPECT_EQ(tree_.ItemAt(i).Level(), tree.ItemAt(i).Level()) << i;
    EXPECT_EQ(tree_.ItemAt(i).ItemText(), tree.ItemAt(i).ItemText()) << i;
  }
  // Only texts that start with TAB or space (after any 0x81 bytes) carry the extra byte.
  const std::string bytes = OutlineBytes(tree_);
  EXPECT_NE(bytes.find("\r\n\x81 \r\n\t\x81 \r\n\x81\t\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n\x83\x5C\x95\x5C\r\n\t\x83\x5C\x95\x5C\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n\x81\r\n"), std::string::npos);
}

TEST_F(OutlineFile, AfterReadingEverythingIsCollapsedAndTheFirstItemSelectedSilently) {
  int clicks = 0;
  OutlineTree tree;
  tree.OnClick = [&] { ++clicks; };
  Build(tree, {"x", "y"});
  tree.SetSelected(2);
  clicks = 0;
  ReadOutline(tree, "a\r\n\tb\r\n\t\tc\r\nd\r\n");
  EXPECT_EQ(Shape(tree), "a >b >>c d");
  EXPECT_EQ(Rows(tree), "a d");
  EXPECT_FALSE(tree.ItemAt(1).IsOpen());
  EXPECT_FALSE(tree.ItemAt(2).IsOpen());
  EXPECT_EQ(tree.Selected(), 1);
  EXPECT_EQ(clicks, 0);  // the log sheet attaches the notes first, then shows one itself
}

TEST_F(OutlineFile, LineEndsAreCrOrCrLfAndALoneLfStaysInTheText) {
  EXPECT_EQ(Load("a\rb\r\n\tc\rd"), "");
  EXPECT_EQ(Shape(tree_), "a b >c d");
  EXPECT_EQ(Load("a\nb\n\tc\r\nd\n"), "");
  EXPECT_EQ(Shape(tree_), "a\nb\n\tc d\n");
  EXPECT_EQ(Load("a\r\n\nb\r\n"), "");  // one LF is skipped after the CR, the next is text
  EXPECT_EQ(Shape(tree_), "a \nb");
  EXPECT_EQ(Load("a\r\r\nb"), "");  // CR CR LF: an empty line between
  EXPECT_EQ(Shape(tree_), "a  b");
}

TEST_F(OutlineFile, TheEndMarkStopsReadingButKeepsTheTextBeforeIt) {
  EXPECT_EQ(Load("a\r\n\tb\x1A"
                 "c\r\nd\r\n"),
            "");
  EXPECT_EQ(Shape(tree_), "a >b");
  EXPECT_EQ(Load("a\r\n\x1A\t\tbad depth\r\n"), "");
  EXPECT_EQ(Shape(tree_), "a");
  EXPECT_EQ(Load("a\r\n\t\x1A"), "");  // indentation before the mark is an empty item
  EXPECT_EQ(Shape(tree_), "a >");
}

TEST_F(OutlineFile, SpacesAndTabsAreDepthAlikeAndDepthMustGrowByOneStep) {
  EXPECT_EQ(Load("a\r\n b\r\n\t c\r\n  d\r\ne\r\n"), "");
  EXPECT_EQ(Shape(tree_), "a >b >>c >>d e");

  // A first line indented by one step is top level, and sets where top level is.
  EXPECT_EQ(Load("\ta\r\n\t\tb\r\n\tc\r\n"), "");
  EXPECT_EQ(Shape(tree_), "a >b c");
  EXPECT_EQ(Load("\ta\r\nb\r\n"), msg::kReadError);  // above the root
  EXPECT_EQ(Shape(tree_), "a");

  EXPECT_EQ(Load("\t\ta\r\n"), msg::kReadError);
  EXPECT_EQ(tree_.Count(), 0);
  EXPECT_EQ(Load("a\r\n\tb\r\n\t\t\tc\r\n\td\r\n"), msg::kReadError);
  EXPECT_EQ(Shape(tree_), "a >b");  // the items before the failing line stay
  EXPECT_EQ(tree_.Selected(), 1);
}

TEST_F(OutlineFile, FilesOfOlderVersionsReadAsBefore) {
  // An older version wrote a single-space text as one more step of depth and no text: such a
  // line still reads as a child of the line before, or fails where it always failed.
  EXPECT_EQ(Load("a\r\n \r\n\tb\r\n\t \r\n"), "");
  EXPECT_EQ(Shape(tree_), "a > >b >>");
  EXPECT_EQ(Load("a\r\n\t \r\n"), msg::kReadError);
  EXPECT_EQ(Shape(tree_), "a");
  // 0x81 that begins a real double-byte character (here the full-width space) is text.
  EXPECT_EQ(Load("\x81\x40x\r\n\t\x81\x81\r\n"), "");
  EXPECT_EQ(tree_.ItemAt(1).ItemText(), "\x81\x40x");
  EXPECT_EQ(tree_.ItemAt(2).ItemText(), "\x81\x81");
}

TEST_F(OutlineFile, DepthPastLevel256IsAReadError) {
  std::string file;
  for (int depth = 0; depth < OutlineTree::kMaxLevel; ++depth) file += std::string(depth, '\t') + "x\r\n";
  EXPECT_EQ(Load(file), "");
  EXPECT_EQ(tree_.ItemAt(256).Level(), 256);
  EXPECT_EQ(Load(file + std::string(256, '\t') + "too deep\r\n"), msg::kReadError);
  EXPECT_EQ(tree_.Count(), 256);
  // A file indented by one more step from its first line counts from there.
  std::string spaced;
  for (int depth = 1; depth <= OutlineTree::kMaxLevel; ++depth) spaced += std::string(depth, ' ') + "x\r\n";
  EXPECT_EQ(Load(spaced + std::string(256, '\t') + "still 256\r\n"), "");
  EXPECT_EQ(tree_.ItemAt(257).Level(), 256);
  EXPECT_EQ(Load(spaced + std::string(257, ' ') + "257\r\n"), msg::kReadError);
}

TEST_F(OutlineFile, LinesMustFitTheBufferAndMayStraddleBlocks) {
  constexpr std::size_t kLineBuffer = 4096;
  // The longest line that fits: its CR is the last byte of a block, its LF opens the next.
  const std::string longest(kLineBuffer - 1, 'x');
  EXPECT_EQ(Load("a\r" + longest + "\r\n\tb\r\n" + std::string(kLineBuffer - 2, 'y') + "\r\nz"), "");
  EXPECT_EQ(tree_.Count(), 5);
  EXPECT_EQ(tree_.ItemAt(2).ItemText(), longest);
  EXPECT_EQ(tree_.ItemAt(3).Level(), 2);
  EXPECT_EQ(tree_.ItemAt(5).ItemText(), "z");
  EXPECT_EQ(Load(longest), "");  // the end mark still fits behind a last line without a CR

  EXPECT_EQ(Load("a\r\n" + std::string(kLineBuffer, 'x') + "\r\nb\r\n"), msg::kLineTooLong);
  EXPECT_EQ(Shape(tree_), "a");
  EXPECT_EQ(Load(std::string(kLineBuffer, '\t')), msg::kLineTooLong);
}

TEST_F(OutlineFile, WritingRefusesLinesItCouldNotReadBack) {
  constexpr std::size_t kLineBuffer = 4096;
  OutlineTree tree;
  tree.AppendSibling(0, "a");
  tree.AppendChild(1, std::string(kLineBuffer - 2, 'x'));  // TAB + text + CR = 4096 bytes, then the LF
  ReadOutline(tree_, OutlineBytes(tree));
  EXPECT_EQ(tree_.ItemAt(2).ItemText(), tree.ItemAt(2).ItemText());

  tree.SetItemText(2, std::string(kLineBuffer - 1, 'x'));
  EXPECT_THROW(
      try { OutlineBytes(tree); } catch (const OutlineError& e) {
        EXPECT_STREQ(e.what(), msg::kLineTooLong);
        throw;
      },
      OutlineError);

  for (const char* text : {"a\rb", "end\x1A"}) {
    tree.SetItemText(2, text);
    EXPECT_THROW(
        try { OutlineBytes(tree); } catch (const OutlineError& e) {
          EXPECT_STREQ(e.what(), msg::kUnwritableText);
          throw;
        },
        OutlineError)
        << text;
  }
}
