#include "memo/replace_dialog.h"

#include <algorithm>

#include "memo/memo_window.h"
#include "ui/screen.h"

TReplaceDialog1* ReplaceDialog1 = nullptr;

TReplaceDialog1::TReplaceDialog1() : ui::Form("TReplaceDialog1") {
  Apply({.caption = "検索・置換",
         .border = ui::BorderStyle::ToolWindow,
         .border_icons = ui::biMinimize | ui::biMaximize,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .at = {55, 0},
         .client_width = 226,
         .client_height = 121});
  Bevel1.SetBounds({0, 1, 145, 89});
  Label1.SetBounds({3, 6, 0, 0});
  Label1.SetCaption("検索する文字");
  Label2.SetBounds({4, 48, 0, 0});
  Label2.SetCaption("置換する文字");
  Find.SetBounds({11, 20, 121, 20});
  Replace.SetBounds({11, 62, 121, 20});
  // Japanese input is ready in both fields.
  for (ui::Edit* field : {&Find, &Replace}) field->SetImeOnFocus(ui::ImeMode::Hiragana);
  Button1.SetBounds({158, 4, 64, 25});
  Button1.SetCaption("検索");
  Button1.OnClick = [this] { Button1Click(); };
  Button2.SetBounds({158, 31, 64, 25});
  Button2.SetCaption("置換");
  Button2.OnClick = [this] { Button2Click(); };
  Button3.SetBounds({158, 58, 65, 25});
  Button3.SetCaption("全て置換");
  Button3.OnClick = [this] { Button3Click(); };
  OKBtn.SetBounds({157, 90, 66, 25});
  OKBtn.SetCaption("OK");
  OKBtn.SetDefault(true);
  OKBtn.OnClick = [this] { OKBtnClick(); };
  SetActiveControl(&OKBtn);
  OnShow = [this] { FormShow(); };
}

void TReplaceDialog1::FormShow() { SetTop(TopByTheMemo()); }

// Just below the memo's text, wherever the user left the window's left edge. A memo low on the
// screen would put "OK", the only way to close the window, off the screen: it opens above then.
int TReplaceDialog1::TopByTheMemo() const {
  const int below = Form1->Top() + Form1->EditorHeight() + 20;
  if (below + Height() <= ui::Screen::Height()) return below;
  return std::max(0, Form1->Top() - Height());
}

// The buttons hand the fields' texts to the memo, which keeps the search position and the run.
void TReplaceDialog1::Button1Click() { Form1->SearchText(Find.Text()); }

void TReplaceDialog1::Button2Click() { Form1->ReplaceText(Find.Text(), Replace.Text()); }

void TReplaceDialog1::Button3Click() { Form1->ReplaceAll(Find.Text(), Replace.Text()); }

void TReplaceDialog1::OKBtnClick() { Hide(); }
