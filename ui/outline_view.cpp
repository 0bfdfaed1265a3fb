#include "ui/outline_view.h"

#include "ui/exception.h"

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
  top_row_ = 0;
  Invalidate();
}

int OutlineView::RowsInView() const {
  int rows = ClientSize().height / kRowHeight;
  return rows > 0 ? rows : 1;
}

int OutlineView::ItemAtY(int y) const {
  if (y < 0 || items_.Count() == 0) return 0;
  int row = top_row_ + y / kRowHeight;
  int item = items_.NextShown(0);
  for (int r = 0; item != 0 && r < row; ++r) item = items_.NextShown(item);
  return item;
}

void OutlineView::KeepSelectionInView() {
  int selected = items_.Selected();
  if (selected == 0) {
    top_row_ = 0;
    return;
  }
  int row = 0;
  for (int item = items_.NextShown(0); item != 0 && item != selected; item = items_.NextShown(item)) ++row;
  if (row < top_row_) top_row_ = row;
  if (row >= top_row_ + RowsInView()) top_row_ = row - RowsInView() + 1;
}

void OutlineView::SelectionMoved() {
  KeepSelectionInView();
  Repaint();
  if (OnClick) OnClick();
}

void OutlineView::HandleMouseDown(Point at) {
  Invoke([&] {
    int item = ItemAtY(at.y);
    if (item != 0) items_.ClickRow(item);
  });
}

void OutlineView::HandleEnter() {
  Invoke([&] { if (OnEnter) OnEnter(); });
}

void OutlineView::HandlePaint(Canvas& canvas) {
  Size s = ClientSize();
  canvas.FillRect({0, 0, s.width, s.height}, GetColor());
  if (items_.Count() == 0) return;
  KeepSelectionInView();
  int selected = items_.Selected();
  int item = items_.NextShown(0);
  for (int r = 0; item != 0 && r < top_row_; ++r) item = items_.NextShown(item);
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
