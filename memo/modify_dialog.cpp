#include "memo/modify_dialog.h"

#include "memo/memo_window.h"

TModifyDlg* ModifyDlg = nullptr;

TModifyDlg::TModifyDlg() : ui::Form("TModifyDlg") {
  Apply({.caption = "確認",
         .border = ui::BorderStyle::Dialog,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = 335,
         .client_height = 93});
  Bevel1.SetBounds({8, 8, 321, 50});
  Label1.SetBounds({24, 20, 0, 0});
  Button1.SetBounds({60, 63, 75, 25});
  Button1.SetCaption("保存する");
  Button1.OnClick = [this] { Button1Click(); };
  CancelBtn.SetBounds({145, 63, 73, 24});
  CancelBtn.SetCaption("いいえ");
  CancelBtn.SetCancel(true);
  CancelBtn.SetModalResult(ui::ModalResult::Cancel);
  CancelBtn.OnClick = [this] { CancelBtnClick(); };
  SetActiveControl(&CancelBtn);
  OnShow = [this] { FormShow(); };
}

void TModifyDlg::FormShow() { Label1.SetCaption(Form1->Label1.Caption() + "は変更されています\n保存しますか？"); }

// A failed save leaves by its exception, before the close.
void TModifyDlg::Button1Click() {
  Form1->SaveEditorTo(Form1->Label1.Caption());
  Close();
}

void TModifyDlg::CancelBtnClick() { Close(); }
