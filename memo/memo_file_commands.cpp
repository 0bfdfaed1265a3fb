// The memo as an editor of one file: open, save over, save as, print, and the undo of the memo
// text that an open replaced.

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/file.h"

namespace {

// A text holds no NUL; a file with one is refused before the memo is touched. Rich text editors
// end their files with one, which is dropped.
void DropTrailingNuls(std::string& data) {
  while (!data.empty() && data.back() == '\0') data.pop_back();
}
void RefuseBinary(const std::string& path, const std::string& data) {
  if (data.find('\0') != std::string::npos) throw ui::Exception(path + " はテキストファイルではありません");
}

}  // namespace

void TForm1::SaveEditorTo(const std::string& path) { ui::ReplaceFileBytes(path, Edit1.SaveToRtf()); }

// The sticky memo's text is saved only at quit: an open over it takes this copy first.
void TForm1::TakeUndoCopy() {
  Memo1.SetLines(Edit1.Lines());
  Memo1.SetBounds({Memo1.Left(), Memo1.Top(), Edit1.Width(), Edit1.Height()});
  Memo1.SetWordWrap(Edit1.WordWrap());
  Memo1.SetScrollBars(Edit1.GetScrollBars());
  K11.SetEnabled(true);
}

// The copy is always of a memo without a file (neither the open nor the clear takes one of a
// file): bringing it back ends the file's editing, so that no save over writes it into the file.
void TForm1::K11Click() {
  Memo.FileMode = false;
  Edit1.Clear();
  Edit1.SetLines(Memo1.Lines());
  Edit1.SetWidth(Memo1.Width());
  Edit1.SetHeight(Memo1.Height());
  Edit1.SetWordWrap(Memo1.WordWrap());
  Edit1.SetScrollBars(Memo1.GetScrollBars());
  Edit1.SetSelStart(0);
  Label1.SetCaption(ui::LongTimeText());
  Label2.SetCaption(Label1.Caption());
  K11.SetEnabled(false);
}

// A file that cannot be read is reported by the error box, with the memo as it was but for
// WidthLocked. The title line takes the path last, over the time the text change wrote there.
void TForm1::K9Click() {
  if (!OpenDialog1.Execute()) return;
  const std::string path = OpenDialog1.FileName();
  Memo.WidthLocked = false;
  std::string data = ui::ReadFileBytes(path);
  DropTrailingNuls(data);
  RefuseBinary(path, data);
  Autosave.Flush();  // the memo's last keys reach its file before the opened file takes the editor
  if (!Memo.FileMode && !Edit1.Text().empty()) TakeUndoCopy();
  Edit1.LoadFromBytes(data);
  Edit1.SetModified(false);
  Edit1.SetReadOnly(OpenDialog1.ReadOnlyChecked());
  Memo.FileMode = true;
  Label1.SetCaption(path);
  Label2.SetCaption(Label1.Caption());
}

// A memo without a file has no path to save over: its title line holds the time of the last
// change. A failed save is shown, and the save dialog offers another place.
void TForm1::K12Click() {
  if (!Memo.FileMode) {
    SaveAs1Click();
    return;
  }
  try {
    SaveEditorTo(Label1.Caption());
    Edit1.SetModified(false);
  } catch (const ui::Exception& e) {
    ui::Application->ShowException(e);
    SaveAs1Click();
  }
}

// The memo does not take the new name: a later save over writes to the file opened before.
void TForm1::SaveAs1Click() {
  if (!SaveDialog1.Execute()) return;
  SaveEditorTo(SaveDialog1.FileName());
}

// The document is named by the title line: the file's path, or the time of the last change.
void TForm1::Print1Click() {
  if (!PrintDialog1.Execute()) return;
  Edit1.Print(PrintDialog1.Printer(), Label1.Caption());
}
