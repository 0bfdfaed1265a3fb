#pragma once
// The options window: the memo's display options, loaded from the running settings each time it
// is shown. OK applies the choices for this run, 設定を保存 applies them and writes them to the
// settings file, ｷｬﾝｾﾙ drops them; each shows the memo again.

#include "settings/display_settings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/color_dialog.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/list_box.h"
#include "ui/panel.h"
#include "ui/text_controls.h"
#include "ui/timer.h"

class TOptionDlg : public ui::Form {
 public:
  TOptionDlg();

  void FormShow();
  void Timer1Timer();
  void OKBtnClick();
  void Button2Click();
  void CancelBtnClick();
  void Button1Click();
  void Button3Click();

  ui::Panel Panel1{this};
  ui::Bevel Bevel1{&Panel1};
  ui::CheckBox CheckBox1{&Panel1};
  ui::CheckBox CheckBox10{&Panel1};
  ui::CheckBox CheckBox2{&Panel1};
  ui::Label Label1{&Panel1};
  ui::Edit Edit1{&Panel1};
  ui::Label Label2{&Panel1};
  ui::Edit Edit2{&Panel1};
  ui::Label Label4{&Panel1};
  ui::CheckBox CheckBox9{&Panel1};
  ui::CheckBox CheckBox3{&Panel1};
  ui::CheckBox CheckBox5{&Panel1};
  ui::Button Button1{&Panel1};
  ui::Button Button3{&Panel1};
  ui::CheckBox CheckBox11{&Panel1};
  ui::ListBox ListBox1{&Panel1};
  ui::ListBox ListBox2{&Panel1};
  ui::CheckBox CheckBox4{&Panel1};
  ui::CheckBox CheckBox7{&Panel1};
  ui::CheckBox CheckBox8{&Panel1};
  ui::CheckBox CheckBox6{&Panel1};
  ui::Button OKBtn{&Panel1};
  ui::Button CancelBtn{&Panel1};
  ui::Button Button2{&Panel1};
  ui::Timer Timer1;
  ui::ColorDialog ColorDialog1;  // the two colour buttons share it

 private:
  // What the controls ask for, ready to replace the running settings; a size that is not a
  // whole number, or that would not fit the screen, throws before anything is applied.
  struct Choice {
    DisplaySettings display;
    ui::Font font;  // the memo editor's
  };
  enum class MarginRule { Ok, Save };
  Choice Chosen(MarginRule rule) const;
  void BackToMemo();
};

extern TOptionDlg* OptionDlg;
