// Recording the memo into the log sheet, which files each record under a heading for its day.

#include "core/sheet_files.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/dialogs.h"

namespace {

constexpr char kFileNotRecorded[] = "ファイルの存在するデーターは記録しません";

}  // namespace

// The memo text is left as it is; a hidden sheet is shown out of sight, which loads it. The
// sheet takes the keyboard as it files the record; the memo, if shown, takes it back, so that
// typing never goes on into a sheet nobody sees.
//
// The default sheet, which the quit saves unasked, is saved at once: the memo is about to be
// cleared, and its autosave would then leave the recorded text nowhere on the disk until the
// quit. Another sheet's save stays the user's to choose, as the quit asks.
bool TForm1::RecordMemo() {
  TMainOut& sheet = *MainOut;
  if (!sheet.Visible()) {
    sheet.Park();
    sheet.Show();
  }
  const std::string today = ui::ShortDateText();
  // The title line, then the memo's paragraphs whole, however the editor wraps them; composed in
  // Memo3 and taken as a plain text lays them out, which drops an empty last line.
  Memo3.SetWordWrap(false);
  std::vector<std::string> note = core::ParseTxt(Edit1.Text());
  note.insert(note.begin(), Label1.Caption());
  Memo3.SetLines(note);
  note = Memo3.Lines();
  Memo3.Clear();
  sheet.FileRecord(today, note);

  bool kept = true;
  if (sheet.Caption() == kDefaultSheetCaption) {
    try {
      sheet.SaveDefaultSheet();
    } catch (const std::exception& e) {
      ui::Application->ShowException(e);
      kept = false;
    }
  }
  if (Visible()) Edit1.SetFocus();
  return kept;
}

// Undo brings back what was recorded. A record that could not be saved leaves the memo as it
// is, so that the text stays on the disk in the memo's own file.
void TForm1::K16Click() {
  if (Memo.FileMode) {
    ui::ShowMessage(kFileNotRecorded);
    return;
  }
  if (!RecordMemo()) return;
  TakeUndoCopy();
  ResetMemo();
}

void TForm1::K7Click() {
  if (!Memo.FileMode) RecordMemo();
  Close();
}

// The text and the title line stay: an opened file's text is a memo from now on.
void TForm1::Close1Click() {
  Memo.FileMode = false;
  Close();
}

void TForm1::K10Click() { MainOut->ShowAtBottom(); }
