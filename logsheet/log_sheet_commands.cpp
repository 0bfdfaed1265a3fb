// The log sheet's item commands: inserting, deleting, moving the selection, changing levels,
// splitting a note and the exchange.

#include "logsheet/log_sheet_window.h"
#include "ui/dialogs.h"

namespace {

constexpr char kNoExchangeWithChildren[] = "子項目のある項目は交換出来ません";

// Inserting lasts exactly as long as one command, however the command ends.
class InsertingScope {
 public:
  explicit InsertingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~InsertingScope() { flag_ = false; }
  InsertingScope(const InsertingScope&) = delete;
  InsertingScope& operator=(const InsertingScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TMainOut::mnInsNodeClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  moNote.Clear();
  {
    InsertingScope inserting(Inserting);
    items.InsertBefore(items.Selected(), kBlankItem);
    int i = items.Selected() - 1;
    while (i > 1 && !items.IsShown(i)) --i;
    items.SetSelected(i);
  }
  moNote.SetModified(true);
  ShowIndex();
}

void TMainOut::mnAddNodeClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  moNote.Clear();
  {
    InsertingScope inserting(Inserting);
    int i = items.AppendSibling(0, kBlankItem);
    items.SetSelected(i);
  }
  moNote.SetModified(true);
  ShowIndex();
}

void TMainOut::mnLowInsertNodeClick() {
  auto& items = olTree.Items();
  int s = items.Selected();
  {
    InsertingScope inserting(Inserting);
    if (items.Count() < s + 1) {
      StoreNote(s);
      moNote.Clear();
      int i = items.AppendSibling(0, kBlankItem);
      items.SetSelected(i);
    } else {
      StoreNote(s);
      int below = items.NextShown(s);
      if (below == 0) return;  // a collapsed last item: there is no row below to insert at
      items.SetSelected(below);
      items.InsertBefore(items.Selected(), kBlankItem);
      items.SetSelected(items.Selected() - 1);
      moNote.Clear();
    }
  }
  moNote.SetModified(true);
  ShowIndex();
}

void TMainOut::SpeedButton10Click() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  {
    InsertingScope inserting(Inserting);
    items.AppendChild(items.Selected(), "");
  }
  moNote.SetModified(true);
  ShowIndex();
  items.OpenItem(items.Selected());
}

void TMainOut::mnDelClick() {
  auto& items = olTree.Items();
  if (items.Count() == 1) return;
  items.RemoveItem(items.Selected());
  ShowNote();
  Dirty = true;
  ShowIndex();
}

void TMainOut::mnPrevNodeClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  int i = items.Selected();
  if (i == 1) return;
  do {
    --i;
  } while (i > 1 && !items.IsShown(i));
  items.SetSelected(i);
  ShowIndex();
}

void TMainOut::mnNextNodeClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  int i = items.Selected() + 1;
  while (i <= items.Count() && !items.IsShown(i)) ++i;
  if (i > items.Count()) return;
  items.SetSelected(i);
  ShowIndex();
}

void TMainOut::mnLevelDownClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  // The first child and the first top-level item have no sibling to go under: nothing moves.
  try {
    items.ShiftLevel(items.Selected(), +1);
    ShowNote();
    items.OpenItem(items.Selected());
  } catch (const std::exception&) {
  }
  olTree.Invalidate();
}

void TMainOut::mnLevelUpClick() {
  auto& items = olTree.Items();
  StoreNote(items.Selected());
  if (items.ItemAt(items.Selected()).Level() == 1) return;  // the top level: silently nothing
  items.ShiftLevel(items.Selected(), -1);
  olTree.Invalidate();
}

void TMainOut::mnSplitClick() {
  auto& items = olTree.Items();
  moNote.Hide();
  int p = moNote.SelStart();
  // At the very start nothing is cut: the new upper item gets an empty note, not the clipboard.
  bool cut = p > 0;
  if (cut) {
    moNote.SetSel(0, p);
    moNote.CutToClipboard();
  }
  {
    InsertingScope inserting(Inserting);
    items.InsertBefore(items.Selected(), "");
    StoreNote(items.Selected());
    moNote.Clear();
    if (cut) moNote.PasteFromClipboard();
    items.SetSelected(items.Selected() - 1);
    StoreNote(items.Selected());
    moNote.Show();
    FocusNote();
  }
  ShowIndex();
}

void TMainOut::SpeedButton9Click() {
  auto& items = olTree.Items();
  if (items.HasChildren(items.Selected())) {
    ui::ShowMessage(kNoExchangeWithChildren);
    return;
  }
  exchange_note_ = moNote.Text();
  moNote.SelectAll();
  moNote.CutToClipboard();
  mnDelClick();
  ExchangePending = true;
}

// The note placed is the one taken, whatever another program has put on the clipboard since.
void TMainOut::CompleteExchange() {
  mnInsNodeClick();
  moNote.ReplaceSel(exchange_note_);
  moNote.SetModified(true);
  StoreNote(olTree.Items().Selected());
  exchange_note_.clear();
  ExchangePending = false;
}
