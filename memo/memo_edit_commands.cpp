// The memo's edit commands: the reset to the empty starting shape, the clear with one level of
// undo, the clipboard, and the caret to the top or the end.

#include <algorithm>

#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/clipboard.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

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

// The submenus' items follow the selection and the clipboard each time they open.
void TForm1::Edit3Click() {
  K3.SetEnabled(ui::Clipboard::HasText());
  K2.SetEnabled(Edit1.SelLength() > 0);
  Cut1.SetEnabled(Edit1.SelLength() > 0);
}

void TForm1::K8Click() { K4.SetEnabled(Edit1.SelLength() > 0); }

// Nothing stays selected after a copy.
void TForm1::K2Click() {
  Edit1.CopyToClipboard();
  Edit1.SetSelStart(Edit1.SelStart());
}

// A clipboard that cannot be read costs the memo nothing: it is said, and the text stays.
void TForm1::K3Click() {
  try {
    Edit1.PasteFromClipboard();
  } catch (const ui::Exception&) {
    ui::ShowMessage("ロード出来ません");
  }
}

void TForm1::Cut1Click() {
  Edit1.CutToClipboard();
  Edit1.SetFocus();
}

void TForm1::K5Click() { Edit1.SelectAll(); }

void TForm1::K14Click() { Edit1.SetSelStart(0); }

// Before the last character, not behind it.
void TForm1::K15Click() { Edit1.SetSelStart(std::max(Edit1.TextLength() - 1, 0)); }

// The dialog opens with the font last chosen in it, not the selection's.
void TForm1::K4Click() {
  if (FontDialog1.Execute()) Edit1.SetSelAttributes(FontDialog1.GetFont());
}
