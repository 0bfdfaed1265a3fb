#include "core/outline_tree.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "tests/failure_message.h"
#include "tests/core/outline_test_util.h"

using core::NoteSpan;
using core::OutlineError;
using core::OutlineTree;
using outline_test::Build;
using outline_test::Rows;
using outline_test::Shape;
namespace msg = core::outline_message;

namespace {

// Counts the click notifications, as the log sheet's olTreeClick would see them.
struct Clicks {
  explicit Clicks(OutlineTree& tree) {
    tree.OnClick = [this] { ++count; };
  }
  int Take() {
    const int n = count;
    count = 0;
    return n;
  }
  int count = 0;
};

}  // namespace

TEST(OutlineAdding, NewItemsTakeTheirDepthFirstPlaceAndRenumberTheItemsBehind) {
  OutlineTree tree;
  EXPECT_EQ(tree.AppendSibling(0, "a"), 1);
  EXPECT_EQ(tree.AppendChild(1, "a1"), 2);
  EXPECT_EQ(tree.AppendChild(2, "a1x"), 3);
  EXPECT_EQ(tree.AppendChild(1, "a2"), 4);  // after a1's whole subtree
  EXPECT_EQ(tree.AppendSibling(0, "b"), 5);
  EXPECT_EQ(Shape(tree), "a >a1 >>a1x >a2 b");

  // A sibling of a1 goes behind all of a's children and their subtrees, not right after a1.
  EXPECT_EQ(tree.AppendSibling(2, "a3"), 5);
  EXPECT_EQ(Shape(tree), "a >a1 >>a1x >a2 >a3 b");
  EXPECT_EQ(tree.ItemAt(6).ItemText(), "b");

  // InsertBefore takes the index of the item it goes before, at that item's level.
  EXPECT_EQ(tree.InsertBefore(3, "a1w"), 3);
  EXPECT_EQ(tree.InsertBefore(1, "top"), 1);
  EXPECT_EQ(Shape(tree), "top a >a1 >>a1w >>a1x >a2 >a3 b");

  // Index 0 stands for the root: a new last top-level item; InsertBefore then answers 0.
  EXPECT_EQ(tree.InsertBefore(0, "end"), 0);
  EXPECT_EQ(tree.AppendChild(0, "end2"), 10);
  EXPECT_EQ(Shape(tree), "top a >a1 >>a1w >>a1x >a2 >a3 b end end2");
  EXPECT_EQ(tree.Count(), 10);
}

TEST(OutlineAdding, NewItemsAreCollapsedEmptyAndShownOnlyUnderAnExpandedParent) {
  OutlineTree tree;
  Build(tree, {"a", "b"});
  tree.ItemAt(1).Span = {42, 1};
  tree.AppendChild(1, "hidden");
  EXPECT_FALSE(tree.IsShown(2));
  EXPECT_EQ(tree.ItemAt(2).Span, NoteSpan{});
  EXPECT_FALSE(tree.ItemAt(2).IsOpen());
  tree.OpenItem(1);
  tree.AppendChild(1, "shown");
  EXPECT_TRUE(tree.IsShown(3));
  EXPECT_EQ(tree.ItemAt(1).Span, (NoteSpan{42, 1}));
  EXPECT_EQ(Rows(tree), "a hidden shown b");
}

TEST(OutlineAdding, DepthStopsAtLevel256) {
  OutlineTree tree;
  tree.AppendSibling(0, "1");
  for (int level = 2; level <= OutlineTree::kMaxLevel; ++level) tree.AppendChild(level - 1, "x");
  EXPECT_EQ(tree.ItemAt(256).Level(), 256);
  EXPECT_EQ(MessageOf([&] { tree.AppendChild(256, "too deep"); }), msg::kTooDeep);
  EXPECT_EQ(tree.Count(), 256);
  EXPECT_EQ(tree.AppendSibling(256, "sibling"), 257);  // a sibling at 256 is still allowed
}

TEST(OutlineRemoving, TakesTheSubtreeAndTheItemsAfterItKeepTheirSpans) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", ">>a1x", ">a2", "b"});
  tree.ItemAt(5).Span = {7, 2};
  tree.RemoveItem(2);
  EXPECT_EQ(Shape(tree), "a >a2 b");
  EXPECT_EQ(tree.ItemAt(3).Span, (NoteSpan{7, 2}));
  tree.RemoveItem(1);
  EXPECT_EQ(Shape(tree), "b");
  tree.RemoveAll();
  EXPECT_EQ(tree.Count(), 0);
  EXPECT_EQ(tree.Selected(), 0);
}

TEST(OutlineRemoving, SelectionPassesToNextSiblingElsePreviousElseParent) {
  OutlineTree tree;
  Build(tree, {"p", ">a", ">>a1", ">b", ">c", "q"});
  tree.OpenAll();
  tree.SetSelected(4);  // b
  tree.RemoveItem(4);
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "c");
  tree.RemoveItem(tree.Selected());  // c was the last child: the sibling before it
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "a");
  tree.SetSelected(3);  // a1, the only child: its parent
  tree.RemoveItem(3);
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "a");

  // A selection inside a removed subtree goes by the removed item's siblings.
  tree.AppendChild(2, "a1");
  tree.SetSelected(3);
  tree.RemoveItem(2);
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "p");

  // A selection behind the removed subtree keeps its item.
  tree.SetSelected(2);
  tree.RemoveItem(1);
  EXPECT_EQ(Shape(tree), "q");
  EXPECT_EQ(tree.Selected(), 1);
  tree.RemoveItem(1);
  EXPECT_EQ(tree.Selected(), 0);
}

TEST(OutlineShiftLevel, LoweringMakesTheItemTheLastChildOfItsPreviousSibling) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", "b", ">b1", "c"});
  tree.ItemAt(3).Span = {33, 3};
  tree.ShiftLevel(3, +1);
  EXPECT_EQ(Shape(tree), "a >a1 >b >>b1 c");
  EXPECT_EQ(tree.ItemAt(3).Span, (NoteSpan{33, 3}));

  // The first child of a parent, and the first top-level item, have no previous sibling.
  for (int first : {1, 2}) {
    EXPECT_EQ(MessageOf([&] { tree.ShiftLevel(first, +1); }), msg::kBadLevel);
    EXPECT_EQ(Shape(tree), "a >a1 >b >>b1 c");
  }
}

TEST(OutlineShiftLevel, RaisingPlacesTheItemDirectlyAfterItsFormerParent) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", ">>x", ">a2", ">a3", "b"});
  tree.ItemAt(2).Span = {22, 2};
  tree.ShiftLevel(2, -1);  // behind its later siblings a2 and a3, before b
  EXPECT_EQ(Shape(tree), "a >a2 >a3 a1 >x b");
  EXPECT_EQ(tree.ItemAt(4).Span, (NoteSpan{22, 2}));

  tree.ShiftLevel(5, -1);  // x was the last child of a1, which precedes b
  EXPECT_EQ(Shape(tree), "a >a2 >a3 a1 x b");

  Build(tree, {">c1", ">>c11"});
  tree.ShiftLevel(8, -1);  // the parent c1 is the last child: appended to the grandparent
  EXPECT_EQ(Shape(tree), "a >a2 >a3 a1 x b >c1 >c11");

  EXPECT_EQ(MessageOf([&] { tree.ShiftLevel(1, -1); }), msg::kBadLevel);
  EXPECT_EQ(MessageOf([&] { tree.ShiftLevel(2, 2); }), msg::kBadLevel);
  EXPECT_EQ(Shape(tree), "a >a2 >a3 a1 x b >c1 >c11");
}

TEST(OutlineShiftLevel, TheRecordSequenceAppendRaiseLowerFilesTheItemUnderTheLastHeading) {
  OutlineTree tree;
  Build(tree, {"2024/05/16", ">09:00", "2024/05/17", ">10:00", ">>detail"});
  const int item = tree.AppendSibling(0, " ");
  try {
    tree.ShiftLevel(item, -1);
  } catch (const OutlineError&) {
    // the log sheet swallows the refused raise of a top-level item
  }
  tree.ShiftLevel(item, +1);
  EXPECT_EQ(Shape(tree), "2024/05/16 >09:00 2024/05/17 >10:00 >>detail > ");
}

TEST(OutlineShiftLevel, AMoveUnderACollapsedItemCollapsesItAndHandsOnTheSelection) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", "b", ">b1", ">>b11"});
  tree.OpenAll();
  tree.SetSelected(3);
  tree.ShiftLevel(3, +1);  // a is open: b stays shown, open and selected
  EXPECT_EQ(tree.Selected(), 3);
  EXPECT_TRUE(tree.IsShown(3));
  EXPECT_TRUE(tree.ItemAt(3).IsOpen());

  tree.ShiftLevel(3, -1);
  tree.CloseItem(1);
  tree.SetSelected(3);
  tree.ShiftLevel(3, +1);  // a is collapsed: b and its subtree collapse, a takes the selection
  EXPECT_EQ(Rows(tree), "a");
  EXPECT_EQ(tree.Selected(), 1);
  EXPECT_FALSE(tree.ItemAt(3).IsOpen());
  EXPECT_FALSE(tree.ItemAt(4).IsOpen());

  // Raising beside a collapsed next sibling of the parent collapses the raised item.
  tree.RemoveAll();
  Build(tree, {"p", ">x", ">>x1", "q", ">q1"});
  tree.OpenItem(1);
  tree.OpenItem(2);
  tree.SetSelected(3);
  tree.ShiftLevel(2, -1);
  EXPECT_EQ(Shape(tree), "p x >x1 q >q1");
  EXPECT_EQ(Rows(tree), "p x q");
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "x");
}

TEST(OutlineShiftLevel, LoweringPastLevel256IsRefusedForTheWholeSubtree) {
  OutlineTree tree;
  tree.AppendSibling(0, "a");
  tree.AppendSibling(0, "b");
  for (int level = 2; level <= OutlineTree::kMaxLevel; ++level) tree.AppendChild(level, "x");
  EXPECT_EQ(MessageOf([&] { tree.ShiftLevel(2, +1); }), msg::kTooDeep);
  EXPECT_EQ(tree.ItemAt(2).Level(), 1);
  EXPECT_EQ(tree.ItemAt(257).Level(), 256);
}

TEST(OutlineExpansion, ItemsOpenOnlyUnderOpenAncestorsAndCloseWithTheirDescendants) {
  OutlineTree tree;
  Build(tree, {"a", ">b", ">>c", ">>>d", "e"});
  EXPECT_EQ(MessageOf([&] { tree.OpenItem(3); }), msg::kParentClosed);
  EXPECT_FALSE(tree.ItemAt(3).IsOpen());
  tree.OpenItem(1);
  tree.OpenItem(2);
  tree.OpenItem(3);
  EXPECT_EQ(Rows(tree), "a b c d e");
  tree.SetSelected(4);
  tree.CloseItem(2);
  EXPECT_FALSE(tree.ItemAt(3).IsOpen());
  EXPECT_EQ(Rows(tree), "a b e");
  EXPECT_EQ(tree.Selected(), 2);  // the nearest shown ancestor
  tree.OpenItem(2);
  EXPECT_EQ(Rows(tree), "a b c e");  // c stayed collapsed

  tree.CloseItem(1);
  tree.ExpandSubtree(1);
  EXPECT_EQ(Rows(tree), "a b c d e");
  EXPECT_FALSE(tree.ItemAt(4).IsOpen());  // a leaf is left as it was

  tree.CloseItem(1);
  tree.OpenAll();
  EXPECT_EQ(Rows(tree), "a b c d e");
  EXPECT_TRUE(tree.HasChildren(3));
  EXPECT_FALSE(tree.HasChildren(4));

  tree.Toggle(1);
  EXPECT_EQ(Rows(tree), "a e");
  tree.Toggle(1);
  EXPECT_EQ(Rows(tree), "a b e");

  // Closing all leaves the top level, and the selection on the nearest shown ancestor.
  tree.OpenAll();
  tree.SetSelected(4);
  Clicks clicks(tree);
  tree.CloseAll();
  EXPECT_EQ(Rows(tree), "a e");
  EXPECT_EQ(tree.Selected(), 1);
  EXPECT_EQ(clicks.Take(), 1);
  tree.OpenItem(1);
  EXPECT_EQ(Rows(tree), "a b e");  // b's subtree was closed as well
  tree.CloseAll();
  EXPECT_EQ(clicks.Take(), 0);
}

TEST(OutlineSelection, WritingResolvesZeroAndHiddenItemsAndRejectsBadIndexes) {
  OutlineTree tree;
  EXPECT_EQ(MessageOf([&] { tree.SetSelected(0); }), msg::kBadSelection);
  Build(tree, {"a", ">a1", "b"});
  EXPECT_EQ(tree.Selected(), 1);
  tree.SetSelected(3);
  tree.SetSelected(0);
  EXPECT_EQ(tree.Selected(), 1);
  tree.SetSelected(2);  // hidden under a
  EXPECT_EQ(tree.Selected(), 1);
  EXPECT_EQ(MessageOf([&] { tree.SetSelected(-1); }), msg::kBadSelection);
  EXPECT_EQ(MessageOf([&] { tree.SetSelected(4); }), msg::kIndexNotFound);
  EXPECT_EQ(tree.Selected(), 1);
}

TEST(OutlineSelection, AddingKeepsTheSelectedItemAndItemsAddedAfterRemoveAllSelectTheFirstRow) {
  OutlineTree tree;
  Build(tree, {"a", "b"});
  tree.SetSelected(2);
  tree.InsertBefore(1, "new");
  tree.AppendChild(1, "child");
  tree.AppendSibling(0, "end");
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "b");

  tree.RemoveAll();
  tree.AppendSibling(0, "x");
  tree.InsertBefore(1, "y");  // nothing is selected yet, so nothing shifts
  EXPECT_EQ(tree.Selected(), 1);
  EXPECT_EQ(tree.ItemAt(1).ItemText(), "y");
}

TEST(OutlineClickNotification, FiresExactlyWhenTheSelectedRowChanges) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", "b", "c"});
  Clicks clicks(tree);
  tree.SetSelected(3);
  EXPECT_EQ(clicks.Take(), 1);
  tree.SetSelected(3);
  EXPECT_EQ(clicks.Take(), 0);

  tree.AppendChild(1, "hidden above");  // under collapsed a: no row moves
  tree.AppendSibling(0, "below");
  EXPECT_EQ(clicks.Take(), 0);
  tree.InsertBefore(1, "shown above");  // the selected item's row moves down
  EXPECT_EQ(clicks.Take(), 1);
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "b");

  tree.OpenItem(2);  // a's children appear above the selection
  EXPECT_EQ(clicks.Take(), 1);
  tree.CloseItem(2);
  EXPECT_EQ(clicks.Take(), 1);
  tree.CloseItem(2);  // already closed: nothing moves
  EXPECT_EQ(clicks.Take(), 0);

  tree.RemoveItem(tree.Selected());  // the next sibling takes over the same row
  EXPECT_EQ(clicks.Take(), 0);
  EXPECT_EQ(tree.ItemAt(tree.Selected()).ItemText(), "c");
  tree.RemoveItem(2);  // a collapsed subtree above: one row less
  EXPECT_EQ(clicks.Take(), 1);
  EXPECT_EQ(Shape(tree), "shown above c below");

  tree.ClickRow(2);  // a click reaches the handler even on the selected row
  EXPECT_EQ(clicks.Take(), 1);
  tree.ShiftLevel(2, +1);  // c goes under collapsed "shown above": selection to its new parent
  EXPECT_EQ(clicks.Take(), 1);
  tree.RemoveAll();
  tree.AppendSibling(0, "x");
  EXPECT_EQ(clicks.Take(), 0);
}

TEST(OutlineClickNotification, TheHandlerSeesTheFinishedChange) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", "b"});
  tree.OpenAll();
  tree.SetSelected(2);
  std::string seen;
  tree.OnClick = [&] {
    seen = tree.ItemAt(tree.Selected()).ItemText();
    tree.SetItemText(tree.Selected(), " ");  // as ShowNote does for an empty note
  };
  tree.CloseItem(1);
  EXPECT_EQ(seen, "a");
  EXPECT_EQ(tree.ItemAt(1).ItemText(), " ");
}

TEST(OutlineErrors, EachOperationReportsItsMessageAndChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(OutlineTree&)> operation;
    const char* message;
  };
  const Case cases[] = {
      {"ItemAt 0", [](OutlineTree& t) { t.ItemAt(0); }, msg::kBadIndex},
      {"ItemAt past the end", [](OutlineTree& t) { t.ItemAt(6); }, msg::kIndexNotFound},
      {"ItemAt negative", [](OutlineTree& t) { t.ItemAt(-1); }, msg::kIndexNotFound},
      {"AppendSibling negative", [](OutlineTree& t) { t.AppendSibling(-1, "x"); }, msg::kBadIndex},
      {"AppendSibling past", [](OutlineTree& t) { t.AppendSibling(6, "x"); }, msg::kIndexNotFound},
      {"InsertBefore negative", [](OutlineTree& t) { t.InsertBefore(-1, "x"); }, msg::kBadIndex},
      {"InsertBefore past", [](OutlineTree& t) { t.InsertBefore(6, "x"); }, msg::kIndexNotFound},
      {"AppendChild negative", [](OutlineTree& t) { t.AppendChild(-1, "x"); }, msg::kBadIndex},
      {"AppendChild past", [](OutlineTree& t) { t.AppendChild(6, "x"); }, msg::kIndexNotFound},
      {"RemoveItem 0", [](OutlineTree& t) { t.RemoveItem(0); }, msg::kBadIndex},
      {"RemoveItem past", [](OutlineTree& t) { t.RemoveItem(6); }, msg::kIndexNotFound},
      {"SetSelected negative", [](OutlineTree& t) { t.SetSelected(-2); }, msg::kBadSelection},
      {"SetSelected past", [](OutlineTree& t) { t.SetSelected(6); }, msg::kIndexNotFound},
      {"lower first child", [](OutlineTree& t) { t.ShiftLevel(2, +1); }, msg::kBadLevel},
      {"raise top level", [](OutlineTree& t) { t.ShiftLevel(4, -1); }, msg::kBadLevel},
      {"ShiftLevel past", [](OutlineTree& t) { t.ShiftLevel(9, -1); }, msg::kIndexNotFound},
      {"open under closed", [](OutlineTree& t) { t.OpenItem(3); }, msg::kParentClosed},
      {"SetItemText past", [](OutlineTree& t) { t.SetItemText(6, "x"); }, msg::kIndexNotFound},
  };
  for (const Case& c : cases) {
    OutlineTree tree;
    Build(tree, {"a", ">a1", ">>a11", "b", ">b1"});
    tree.OpenItem(4);
    tree.SetSelected(5);
    Clicks clicks(tree);
    EXPECT_EQ(MessageOf([&] { c.operation(tree); }), c.message) << c.what;
    EXPECT_EQ(Shape(tree), "a >a1 >>a11 b >b1") << c.what;
    EXPECT_EQ(Rows(tree), "a b b1") << c.what;
    EXPECT_EQ(tree.Selected(), 5) << c.what;
    EXPECT_EQ(clicks.count, 0) << c.what;
  }
}

TEST(OutlineKeys, MovementFollowsTheTreeAndRefusesAtTheEnds) {
  OutlineTree tree;
  Build(tree, {"a", ">a1", ">a2", ">>a21", ">a3", "b", ">b1"});
  tree.OpenItem(1);
  tree.SetSelected(3);
  EXPECT_FALSE(tree.SelectFirstChild());  // a2 is collapsed
  tree.OpenItem(3);
  EXPECT_TRUE(tree.SelectFirstChild());
  EXPECT_EQ(tree.Selected(), 4);
  EXPECT_TRUE(tree.SelectParent());
  EXPECT_TRUE(tree.SelectNextSibling());
  EXPECT_EQ(tree.Selected(), 5);
  EXPECT_FALSE(tree.SelectNextSibling());
  EXPECT_TRUE(tree.SelectPreviousSibling());
  EXPECT_TRUE(tree.SelectPreviousSibling());
  EXPECT_FALSE(tree.SelectPreviousSibling());
  EXPECT_EQ(tree.Selected(), 2);
  EXPECT_TRUE(tree.SelectParent());
  EXPECT_FALSE(tree.SelectParent());
  EXPECT_TRUE(tree.SelectNextSibling());  // over a's subtree to b
  EXPECT_EQ(tree.Selected(), 6);

  tree.SelectLastShown();
  EXPECT_EQ(tree.Selected(), 6);  // b1 is hidden
  tree.SelectFirstRow();
  EXPECT_EQ(tree.Selected(), 1);

  EXPECT_EQ(tree.NextShown(0), 1);
  EXPECT_EQ(tree.NextShown(5), 6);
  EXPECT_EQ(tree.NextShown(6), 0);
  EXPECT_EQ(tree.PreviousShown(6), 5);
  EXPECT_EQ(tree.PreviousShown(1), 0);
  EXPECT_EQ(tree.Parent(4), 3);
  EXPECT_EQ(tree.Parent(6), 0);
}

// The captions live in the tree's arena: retitling, adding and removing items many times over,
// so that the arena is remade, leaves every caption as last set; a copy keeps its own.
TEST(OutlineCaptions, EveryCaptionReadsAsLastSetThroughRetitlesRemovalsAndCopies) {
  OutlineTree tree;
  std::vector<std::string> model;
  for (int i = 0; i < 20; ++i) {
    model.push_back("項目" + std::to_string(i));
    tree.AppendAtLevel(1, model.back());
  }
  const OutlineTree before = tree;
  std::mt19937 random(3);
  for (int round = 0; round < 600; ++round) {
    const int index = 1 + static_cast<int>(random() % tree.Count());
    std::string text(random() % 2000, static_cast<char>('A' + round % 26));
    if (round % 97 == 0) text.assign(70'000, 'x');  // more than one block of the arena
    if (round % 7 == 0) {
      tree.RemoveItem(index);
      model.erase(model.begin() + index - 1);
      tree.AppendAtLevel(1, text);
      model.push_back(text);
    } else if (round % 11 == 0) {
      tree.SetItemText(index, tree.ItemAt(1 + static_cast<int>(random() % tree.Count())).ItemText());
      model[index - 1] = std::string(tree.ItemAt(index).ItemText());
    } else {
      tree.SetItemText(index, text);
      model[index - 1] = text;
    }
    for (int i = 1; i <= tree.Count(); ++i) ASSERT_EQ(tree.ItemAt(i).ItemText(), model[i - 1]) << "round " << round;
  }
  for (int i = 0; i < 20; ++i) EXPECT_EQ(before.ItemAt(i + 1).ItemText(), "項目" + std::to_string(i));
}
