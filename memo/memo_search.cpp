// Finding and replacing in the memo, on the texts the find and replace window hands over. The
// run's state is the memo's own. Positions and lengths are the editor's own (characters), so that
// a hit selects exactly the text found.

#include <string>

#include "memo/memo_window.h"
#include "memo/replace_dialog.h"
#include "ui/dialogs.h"

void TForm1::Replace1Click() {
  ReplaceDialog1->SetTop(ReplaceDialog1->TopByTheMemo());
  Search.SearchPos = 0;
  ReplaceDialog1->Show();
}

std::optional<ui::Selection> TForm1::FindNext(const std::string& find) { return Edit1.Find(find, Search.SearchPos); }

void TForm1::ShowSelection() {
  Edit1.ScrollCaret();
  Edit1.SetFocus();
}

void TForm1::SearchText(const std::string& find) {
  std::optional<ui::Selection> hit = FindNext(find);
  if (!hit) {
    ui::ShowMessage("見つかりませんでした");
    return;
  }
  Edit1.SetSel(hit->start, hit->length);
  ShowSelection();
  Search.SearchPos = hit->start + hit->length;
}

void TForm1::SayReplaced() { ui::ShowMessage(std::to_string(Search.ReplaceCount) + "個の文字を置換しました"); }

// A single replace is a run of its own: with no hit left it says it replaced none. The search
// moves behind the inserted text, as the editor measures it, so that a replacement holding the
// search text is never searched again; an editor that kept the text keeps it selected, and the
// search moves behind it all the same.
void TForm1::ReplaceText(const std::string& find, const std::string& replacement) {
  if (replacement.empty()) return ui::ShowMessage("置換する文字列を入力してください");
  Search.ReplaceCount = 0;
  std::optional<ui::Selection> hit = FindNext(find);
  if (!hit) return SayReplaced();
  Edit1.SetSel(hit->start, hit->length);
  ShowSelection();
  Edit1.ReplaceSel(replacement);
  Search.ReplaceCount = 1;
  Search.SearchPos = Edit1.SelStart() + Edit1.SelLength();
}

// The editor replaces every hit to the end in one change of its text, drawn once, and the memo
// is scrolled to the last replacement.
void TForm1::ReplaceAll(const std::string& find, const std::string& replacement) {
  if (replacement.empty()) return ui::ShowMessage("置換する文字列を入力してください");
  Search.ReplaceCount = static_cast<unsigned>(Edit1.ReplaceEvery(find, replacement, Search.SearchPos));
  if (Search.ReplaceCount > 0) {
    Search.SearchPos = Edit1.SelStart() + Edit1.SelLength();
    ShowSelection();
  }
  SayReplaced();
}
