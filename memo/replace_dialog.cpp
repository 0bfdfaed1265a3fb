#include "memo/replace_dialog.h"

TReplaceDialog1* ReplaceDialog1 = nullptr;

TReplaceDialog1::TReplaceDialog1() : ui::Form("TReplaceDialog1") {
  SetBorderStyle(ui::BorderStyle::ToolWindow);
  SetBorderIcons(ui::biMinimize | ui::biMaximize);
  SetCaption("検索・置換");
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clBlack});
  SetClientWidth(226);
  SetClientHeight(121);
  SetLeft(55);
}
