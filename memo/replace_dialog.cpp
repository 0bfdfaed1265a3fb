#include "memo/replace_dialog.h"

TReplaceDialog1* ReplaceDialog1 = nullptr;

TReplaceDialog1::TReplaceDialog1() : ui::Form("TReplaceDialog1") {
  Apply({.caption = "検索・置換",
         .border = ui::BorderStyle::ToolWindow,
         .border_icons = ui::biMinimize | ui::biMaximize,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .at = {55, 0},
         .client_width = 226,
         .client_height = 121});
}
