#include "app/palette.h"

#include "help/help_viewer.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "memo/modify_dialog.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file.h"

TMain* Main = nullptr;

namespace {

constexpr int kPaletteWidth = 32;
constexpr int kPaletteClientHeight = 131;
constexpr ui::Color kMemoHidden = ui::clPurple;
constexpr ui::Color kMemoShown = ui::clWhite;

void Place(ui::SpeedButton& button, int top, const char* caption, int pixels, ui::Color color, const char* hint) {
  button.SetBounds({1, top, 25, 25});
  button.SetFont({"ＭＳ Ｐ明朝", -pixels, ui::fsBold, color});
  button.SetCaption(caption);
  button.SetHint(hint);
}

void SetCaptionColor(ui::SpeedButton& button, ui::Color color) {
  ui::Font f = button.GetFont();
  f.color = color;
  button.SetFont(f);
}

}  // namespace

TMain::TMain() : ui::Form("TMain") {
  Apply({.border = ui::BorderStyle::ToolWindow,
         .border_icons = 0,
         .stay_on_top = true,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .color = ui::clBtnFace,
         .client_height = kPaletteClientHeight});

  Place(SpeedButton1, 1, "貼", 27, kMemoHidden, "ﾃﾞｽｸﾄｯﾌﾟにﾒﾓを貼りつけます");
  Place(SpeedButton2, 27, "前", 27, ui::clTeal, "ﾃﾞｽｸﾄｯﾌﾟのﾒﾓを全て取り除きます");
  Place(SpeedButton4, 53, "ログ", 13, ui::clBlack, "");
  Place(SpeedButton5, 79, "", 12, ui::clBlack, "");
  SpeedButton5.SetGlyph("HELPGLYPH");
  Place(SpeedButton3, 105, "終", 27, ui::clNavy, "ぽち──らを終了します");

  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
  SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
  SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
  SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
}

void TMain::FormCreate() {
  SetCaption("");
  SetWidth(kPaletteWidth);
  ui::Application->SetHintColor(ui::clAqua);
  SetTop(0);
  SetLeft(0);
}

void TMain::FormShow() {
  SetImeMode(ui::ImeMode::Hiragana);
  if (auto at = ReadPosition("Main.Top", "Main.Left")) {
    SetTop(at->y);
    SetLeft(at->x);
  }
}

void TMain::SpeedButton1Click() {
  if (Form1->Visible()) {
    SetCaptionColor(SpeedButton1, kMemoHidden);
    Form1->Close();
  } else {
    SetCaptionColor(SpeedButton1, kMemoShown);
    Form1->Show();
    Form1->Edit1.SetSel(0, 0);
  }
}

// Focusing the editor activates the memo window; a hidden one cannot take it.
void TMain::SpeedButton2Click() { Form1->Edit1.SetFocus(); }

void TMain::SpeedButton3Click() { Close(); }

void TMain::SpeedButton4Click() {
  if (MainOut->Visible() && !MainOut->Parked()) {
    MainOut->Park();
  } else {
    MainOut->ShowAtBottom();
  }
}

void TMain::SpeedButton5Click() { HelpDlg->Show(); }

bool TMain::AutosaveMemo() {
  try {
    ui::ReplaceFileBytes(MemoFilePath(), Form1->Edit1.SaveToRtf());
    return true;
  } catch (const ui::Exception&) {
    ui::ShowMessage("自動保存しませんでした");
    Form1->Autosave.FailureTold();
    return false;
  }
}

// A memo that could not be autosaved is not dropped: the quit is refused as after Cancel, so
// that the user can save it elsewhere. An opened file with unsaved changes is offered for saving
// while the editor still holds them. The log sheet is saved and closed before the memo is
// emptied: a sheet that stays open (its save failed, or the user backed out of its question or
// its save dialog) ends the shutdown there, with the memo and the sheet as they were. While the
// quit asks, the memo is not written in the background: the quit writes it itself.
void TMain::FormCloseQuery(bool& can_close) {
  struct HeldAutosave {
    memo::MemoAutosave& autosave;
    ~HeldAutosave() { autosave.Release(); }
  } held{Form1->Autosave};
  Form1->Autosave.Hold();
  bool quit = ui::MessageBox("ぽち～らを終了しますか？", "確認", ui::MsgButtons::OKCancel, ui::MsgIcon::Question) ==
              ui::ModalResult::OK;
  if (quit && Memo.FileMode && Form1->Edit1.Modified()) {
    Form1->Hide();
    ModifyDlg->ShowModal();
  }
  if (quit && !Memo.FileMode) quit = AutosaveMemo();
  if (quit && MainOut->Visible()) {
    if (MainOut->Caption() == kDefaultSheetCaption) MainOut->mnSaveClick();
    MainOut->Close();
    quit = !MainOut->Visible();
  }
  if (quit) {
    Form1->Autosave.Stop();  // what the quit clears next is not to be written
    Form1->Edit1.Clear();
    Form1->Memo1.Clear();
    Form1->Close();
  }
  can_close = quit;
  WritePositions(Form1->Top(), Form1->Left(), Top(), Left());
  WriteDate(MainOut->LastDate);
}
