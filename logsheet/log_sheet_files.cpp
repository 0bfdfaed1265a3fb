// The log sheet's file commands: new, open, save, save as, adding a text file, exit, and the
// note pane's clipboard.

#include "core/cp932.h"
#include "core/sheet_files.h"
#include "logsheet/log_sheet_window.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file.h"

namespace {

constexpr char kOutlineFilter[] = "アウトライン(*.Pcr)|*.Pcr";
constexpr char kAnyFileFilter[] = "すべてのファイル(*.*)|*.*";
constexpr char kSaveQuestion[] = "ログシートをセーブしますか ?";

// A chosen file's name without its extension: the base of a sheet's three files.
std::string BaseOf(const std::string& path) { return core::cp932::ChangeFileExt(path, ""); }

}  // namespace

bool TMainOut::AskToSave(ui::ModalResult& answer) {
  StoreNote(olTree.Items().Selected());
  ShowIndex();
  answer = ui::ModalResult::No;
  if (!Dirty) return true;
  answer = ui::MessageBox(kSaveQuestion, ui::Application->Title(), ui::MsgButtons::YesNoCancel, ui::MsgIcon::Warning);
  return answer != ui::ModalResult::Cancel;
}

// A save that the user backs out of, in the save dialog, ends the command as Cancel would: the
// sheet stays as it is, unsaved and not replaced.
void TMainOut::mnNewClick() {
  if (Caption() == kDefaultSheetCaption) mnSaveClick();
  ui::ModalResult answer;
  if (!AskToSave(answer)) return;
  if (answer == ui::ModalResult::Yes && !SaveUnderCaption()) return;
  NewSheet();
}

// The chosen set is read whole before the sheet is replaced: a set that cannot be read leaves
// the sheet and its caption as they were, so no later save writes an empty sheet over files.
void TMainOut::mnOpenClick() {
  if (Caption() == kDefaultSheetCaption) mnSaveClick();
  ui::ModalResult answer;
  if (!AskToSave(answer)) return;
  if (answer == ui::ModalResult::Yes && !SaveUnderCaption()) return;
  dlOpen.SetFilter(kOutlineFilter);
  if (!dlOpen.Execute()) return;
  LoadSheet(BaseOf(dlOpen.FileName()));
}

void TMainOut::mnSaveClick() { SaveUnderCaption(); }

bool TMainOut::SaveUnderCaption() {
  if (Caption() == kNewSheetCaption) return SaveThroughDialog();
  SaveSheet(Caption() == kDefaultSheetCaption ? DefaultSheetBase() : Caption());
  return true;
}

void TMainOut::SaveDefaultSheet() {
  SaveSheet(DefaultSheetBase());
  SetCaption(kDefaultSheetCaption);
}

void TMainOut::mnSaveAsClick() { SaveThroughDialog(); }

bool TMainOut::SaveThroughDialog() {
  dlSave.SetFilter(kOutlineFilter);
  if (!dlSave.Execute()) return false;
  SaveSheet(BaseOf(dlSave.FileName()));
  return true;
}

void TMainOut::mnAddClick() {
  // However the command ends, the user goes on in the note pane.
  struct BackToNote {
    TMainOut& sheet;
    ~BackToNote() { sheet.FocusNote(); }
  } back_to_note{*this};
  dlOpen.SetFilter(kAnyFileFilter);
  if (!dlOpen.Execute()) return;
  // Any file goes in as lines: its NULs, which would end the text, are dropped.
  std::string text = ui::ReadFileBytes(dlOpen.FileName());
  std::erase(text, '\0');
  std::vector<std::string> added = core::ParseTxt(text);
  {
    HardLines hard(moNote);
    std::vector<std::string> note = moNote.Lines();
    note.insert(note.end(), added.begin(), added.end());
    moNote.SetLines(note);
  }
  moNote.SetModified(true);
  StoreNote(olTree.Items().Selected());
  ShowIndex();
}

void TMainOut::mnExitClick() { Close(); }

void TMainOut::mnCopyClick() {
  moNote.CopyToClipboard();
  moNote.SetSelStart(moNote.SelStart());
}

void TMainOut::mnCutClick() { moNote.CutToClipboard(); }

void TMainOut::mnPasteClick() { moNote.PasteFromClipboard(); }
