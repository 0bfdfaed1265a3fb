#include "memo/memo_window.h"

TForm1* Form1 = nullptr;

TForm1::TForm1() : ui::Form("TForm1") {
  SetBorderStyle(ui::BorderStyle::None);
  SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
  SetBounds({0, 0, 80, 61});
}
