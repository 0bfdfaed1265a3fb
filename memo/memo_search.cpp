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

TForm1::ReplaceStep TForm1::ReplaceNext(const std::string& find, const std::string& replacement, HitShown shown) {
  if (replacement.empty()) return ReplaceStep::NoReplacementText;
  if (Search.ReplaceDone) return ReplaceStep::AlreadyDone;
  std::optional<ui::Selection> hit = FindNext(find);
  if (!hit) {
    Search.ReplaceDone = true;
    return ReplaceStep::RunEnded;
  }
  Edit1.SetSel(hit->start, hit->length);
  if (shown == HitShown::Each) ShowSelection();
  Edit1.ReplaceSel(replacement);
  ++Search.ReplaceCount;
  // Behind the inserted text, as the editor measures it, so that a replacement holding the search
  // text is never searched again; an editor that kept the text keeps it selected, and the search
  // moves behind it all the same.
  Search.SearchPos = Edit1.SelStart() + Edit1.SelLength();
  return ReplaceStep::Replaced;
}

void TForm1::SayReplaceStep(ReplaceStep step) {
  if (step == ReplaceStep::NoReplacementText) ui::ShowMessage("置換する文字列を入力してください");
  if (step == ReplaceStep::RunEnded) ui::ShowMessage(std::to_string(Search.ReplaceCount) + "個の文字を置換しました");
}

// A single replace is a run of its own: with no hit left it says it replaced none.
void TForm1::ReplaceText(const std::string& find, const std::string& replacement) {
  Search.ReplaceDone = false;
  Search.ReplaceCount = 0;
  SayReplaceStep(ReplaceNext(find, replacement, HitShown::Each));
}

// Each replacement moves the search behind the text it put in, so the run ends at the text's end.
// The editor is drawn once, and scrolled to the last replacement, as the run ends, not at every
// replacement.
void TForm1::ReplaceAll(const std::string& find, const std::string& replacement) {
  Search.ReplaceDone = false;
  Search.ReplaceCount = 0;
  ReplaceStep step;
  {
    ui::TextControl::FrozenDrawing frozen(Edit1);
    do {
      step = ReplaceNext(find, replacement, HitShown::AtTheEnd);
    } while (step == ReplaceStep::Replaced);
  }
  if (Search.ReplaceCount > 0) ShowSelection();
  SayReplaceStep(step);
}
