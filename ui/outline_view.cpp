#include "ui/outline_view.h"

#include "ui/exception.h"
#include "ui/screen.h"
#include "ui/text_controls.h"

namespace ui {

namespace {

constexpr Color clHighlight = kSystemColor | 13, clHighlightText = kSystemColor | 14;
constexpr int kTextGap = 2;  // between the picture and the caption

enum class Picture { Open, Closed, Leaf };

// The pictures are drawn, not loaded: a framed box with a minus or a plus, and a folded page.
void DrawPicture(Canvas& canvas, int x, int y, Picture picture) {
  constexpr Color kFrame = clBlack, kPaper = clWhite, kMark = clNavy;
  if (picture == Picture::Leaf) {
    canvas.Rectangle({x + 3, y + 1, 9, 12}, kFrame, 1, kPaper, true);
    canvas.FillRect({x + 5, y + 4, 5, 1}, kMark);
    canvas.FillRect({x + 5, y + 7, 5, 1}, kMark);
    canvas.FillRect({x + 5, y + 10, 3, 1}, kMark);
    return;
  }
  canvas.Rectangle({x + 2, y + 2, 10, 10}, kFrame, 1, kPaper, true);
  canvas.FillRect({x + 4, y + 6, 6, 2}, kMark);
  if (picture == Picture::Closed) canvas.FillRect({x + 6, y + 4, 2, 6}, kMark);
}

}  // namespace

OutlineView::OutlineView(WinControl* parent) : WinControl(parent) {
  bounds_ = {0, 0, 121, 97};
  items_.OnClick = [this] { SelectionMoved(); };
  peer_ = backend::NewOutlinePeer(*this, *parent->Peer());
  SetColor(clWindow);
}

OutlineView::~OutlineView() { items_.OnClick = nullptr; }

void OutlineView::ReplaceItems(core::OutlineTree&& items) {
  items_ = std::move(items);
  items_.OnClick = [this] { SelectionMoved(); };
  top_item_ = 0;
  Invalidate();
}

int OutlineView::RowsInView() const {
  int rows = ClientSize().height / kRowHeight;
  return rows > 0 ? rows : 1;
}

int OutlineView::TopItem() const {
  if (items_.Count() == 0) return 0;
  if (top_item_ < 1) top_item_ = 1;
  if (top_item_ > items_.Count()) top_item_ = items_.Count();
  // A collapse may have hidden the top row's item: its shown ancestor takes the row.
  while (!items_.IsShown(top_item_)) top_item_ = items_.Parent(top_item_);
  return top_item_;
}

int OutlineView::RowsAway(int item, int rows) const {
  for (; rows > 0; --rows) {
    int next = items_.NextShown(item);
    if (next == 0) break;
    item = next;
  }
  for (; rows < 0; ++rows) {
    int previous = items_.PreviousShown(item);
    if (previous == 0) break;
    item = previous;
  }
  return item;
}

int OutlineView::ItemAtY(int y) const {
  int item = TopItem();
  if (y < 0 || item == 0) return 0;
  for (int r = y / kRowHeight; item != 0 && r > 0; --r) item = items_.NextShown(item);
  return item;
}

void OutlineView::KeepSelectionInView() {
  int top = TopItem();
  if (top == 0) return;
  const int rows = RowsInView();
  // Rows left empty at the bottom, after a collapse near the end, are filled from above.
  int last = RowsAway(top, rows - 1);
  int missing = rows - 1;
  for (int item = top; item != last; item = items_.NextShown(item)) --missing;
  if (missing > 0) top = top_item_ = RowsAway(top, -missing);

  int selected = items_.Selected();
  if (selected < top) {
    top_item_ = selected;
    return;
  }
  int item = top;
  for (int r = 0; r < rows; ++r, item = items_.NextShown(item)) {
    if (item == 0 || item == selected) return;
  }
  top_item_ = RowsAway(selected, 1 - rows);  // the selected row becomes the last in view
}

void OutlineView::SelectionMoved() {
  KeepSelectionInView();
  Repaint();
  if (OnClick) OnClick();
}

void OutlineView::MoveRows(int rows) {
  int selected = items_.Selected();
  items_.SetSelected(RowsAway(selected, rows));
}

void OutlineView::HandleMouseDown(Point at) {
  Invoke([&] {
    int item = ItemAtY(at.y);
    if (item != 0) items_.ClickRow(item);
  });
}

void OutlineView::HandleDoubleClick(Point at) {
  Invoke([&] {
    if (ItemAtY(at.y) == 0) return;
    items_.Toggle(items_.Selected());
    KeepSelectionInView();
    Invalidate();
  });
}

void OutlineView::HandleMouseMove(Point at) {
  Invoke([&] {
    if (OnMouseMove) OnMouseMove(at);
  });
}

void OutlineView::HandleKeyDown(int key, unsigned shift) {
  Invoke([&] {
    char_taken_ = false;
    if (items_.Count() == 0) return;
    const bool ctrl = (shift & ssCtrl) != 0;
    const int page = RowsInView() > 1 ? RowsInView() - 1 : 1;  // a row of the last page stays in view
    switch (key) {
      case kKeyEnter:
        items_.Toggle(items_.Selected());
        break;
      case kKeyHome:
        items_.SelectFirstRow();
        break;
      case kKeyEnd:
        items_.SelectLastShown();
        break;
      case kKeyLeft:
        if (!items_.SelectParent()) Beep();
        break;
      case kKeyRight:
        if (!items_.SelectFirstChild()) Beep();
        break;
      case kKeyUp:
        if (!ctrl)
          MoveRows(-1);
        else if (!items_.SelectPreviousSibling())
          Beep();
        break;
      case kKeyDown:
        if (!ctrl)
          MoveRows(1);
        else if (!items_.SelectNextSibling())
          Beep();
        break;
      case kKeyPageUp:
        MoveRows(-page);
        break;
      case kKeyPageDown:
        MoveRows(page);
        break;
      case kKeyMultiply:
        if (!ctrl) return;  // the character "*" answers the key alone
        items_.OpenAll();
        char_taken_ = true;
        break;
      default:
        return;
    }
    KeepSelectionInView();
    Invalidate();
  });
}

void OutlineView::HandleChar(char ch) {
  Invoke([&] {
    const bool taken = char_taken_;
    char_taken_ = false;
    if (taken || items_.Count() == 0) return;
    const int selected = items_.Selected();
    switch (ch) {
      case '+':
        items_.OpenItem(selected);
        break;
      case '-':
        items_.CloseItem(selected);
        break;
      case '*':
        items_.ExpandSubtree(selected);
        break;
      default:
        return;
    }
    KeepSelectionInView();
    Invalidate();
  });
}

void OutlineView::HandleEnter() {
  Invoke([&] {
    if (OnEnter) OnEnter();
  });
}

void OutlineView::HandlePaint(Canvas& canvas) {
  Size s = ClientSize();
  canvas.FillRect({0, 0, s.width, s.height}, GetColor());
  if (items_.Count() == 0) return;
  KeepSelectionInView();
  int selected = items_.Selected();
  int item = TopItem();
  for (int y = 0; item != 0 && y < s.height; y += kRowHeight, item = items_.NextShown(item)) {
    const core::OutlineItem& it = items_.ItemAt(item);
    int x = (it.Level() - 1) * kIndent;
    Picture picture = !items_.HasChildren(item) ? Picture::Leaf : it.IsOpen() ? Picture::Open : Picture::Closed;
    DrawPicture(canvas, x, y, picture);
    int text_x = x + kPictureSize + kTextGap;
    Font font = GetFont();
    if (item == selected) {
      Size t = TextExtent(font, it.ItemText());
      canvas.FillRect({text_x, y, t.width + 2 * kTextGap, kRowHeight}, clHighlight);
      font.color = clHighlightText;
    }
    canvas.TextOut(text_x + kTextGap, y + 1, it.ItemText(), font, nullptr);
  }
}

}  // namespace ui
