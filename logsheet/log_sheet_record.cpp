// A record filed into the log sheet: a new item under a heading for its day, made through the
// sheet's own item commands and its note pane, as the user would make it.

#include "logsheet/log_sheet_window.h"

namespace {

// The note pane's first line replaced; the program's text counts as an edit, so that the next
// store takes it into the selected item.
void PutFirstNoteLine(ui::RichEdit& note, const std::string& text) {
  HardLines hard(note);
  std::vector<std::string> lines = note.Lines();
  if (lines.empty()) lines.emplace_back();
  lines[0] = text;
  note.SetLines(lines);
  note.SetModified(true);
}

}  // namespace

void TMainOut::FileRecord(const std::string& date, const std::vector<std::string>& lines) {
  // The selected item becomes the day's heading when its note has no first line; otherwise a
  // new heading is made when the newest one is of another day.
  if (moNote.Line(0).empty()) {
    PutFirstNoteLine(moNote, date);
    LastDate = date;
    mnLevelUpClick();
  } else if (LastDate != date) {
    mnAddNodeClick();
    PutFirstNoteLine(moNote, date);
    LastDate = date;
    mnLevelUpClick();
  }

  // The record's lines go in whole, however the pane wraps them, and are stored as the record
  // moves under the heading.
  mnAddNodeClick();
  {
    HardLines hard(moNote);
    moNote.SetLines(lines);
  }
  moNote.SetModified(true);
  mnLevelUpClick();
  mnLevelDownClick();
}
