// The memo's edit commands: the reset to the empty starting shape, the clear with one level of
// undo, the clipboard, and the caret to the top or the end.

#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"

// The editor empty, unwrapped and ten half-width characters by three lines; the next tick of the
// auto-fit fits the window to it.
void TForm1::ResetMemo() {
  Edit1.Clear();
  Edit1.SetWordWrap(false);
  Edit1.SetScrollBars(ui::ScrollBars::None);
  Label1.SetCaption("");
  Label2.SetCaption("");
  Memo.LineCounter = 2;
  Memo.HeightCapped = false;
  const int h = FontPixels();
  const int w = memo::HalfWidth(h);
  Edit1.SetBounds({memo::kEditorLeft, memo::kEditorLeft, memo::kStartChars * w, 3 * h});
  // The margin all round until the tick makes room for the title line above.
  SetWidth(Edit1.Width() + 2 * memo::kEditorLeft);
  SetHeight(Edit1.Height() + 2 * memo::kEditorLeft);
  Memo.FileMode = false;
  Memo.WidthLocked = false;
  Timer1.SetInterval(1);
}

// A memo without a file is copied for undo first; a file is emptied out of the memo, untouched.
void TForm1::K1Click() {
  Timer1.SetInterval(0);
  if (!Memo.FileMode) TakeUndoCopy();
  ResetMemo();
}
