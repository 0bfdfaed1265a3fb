#include "memo/modify_dialog.h"

#include <algorithm>

#include "memo/memo_window.h"
#include "ui/screen.h"

TModifyDlg* ModifyDlg = nullptr;

namespace {
constexpr int kDesignedWidth = 335, kDesignedBevelWidth = 321;
constexpr int kMessageRightMargin = 24;  // from the message's end to the frame's right edge
}  // namespace

TModifyDlg::TModifyDlg() : ui::Form("TModifyDlg") {
  Apply({.caption = "確認",
         .border = ui::BorderStyle::Dialog,
         .position = ui::FormPosition::ScreenCenter,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText},
         .client_width = kDesignedWidth,
         .client_height = 93});
  Bevel1.SetBounds({8, 8, kDesignedBevelWidth, 50});
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

// A long path would run off the designed frame: the dialog widens to show it whole, as far as the
// screen allows, and stays centred.
void TModifyDlg::FormShow() {
  Label1.SetCaption(Form1->Label1.Caption() + "は変更されています\n保存しますか？");
  const int width = std::clamp(Label1.Left() + Label1.Width() + kMessageRightMargin, kDesignedWidth,
                               ui::Screen::Width() - (Width() - ClientWidth()));
  SetClientWidth(width);
  Bevel1.SetWidth(width - (kDesignedWidth - kDesignedBevelWidth));
  SetLeft((ui::Screen::Width() - Width()) / 2);
}

// A failed save leaves by its exception, before the close.
void TModifyDlg::Button1Click() {
  Form1->SaveEditorTo(Form1->Label1.Caption());
  Close();
}

void TModifyDlg::CancelBtnClick() { Close(); }
