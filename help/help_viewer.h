#pragma once
// The help window: a column of section buttons on the left, the program's help text on the
// right in a view that scrolls over a fixed range. It opens first at the section on errors and
// afterwards where it was left; what the user types into the text lasts until the program ends.

#include "ui/button.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "ui/text_controls.h"

class THelpDlg : public ui::Form {
 public:
  THelpDlg();

  // Each section button brings its heading to the top of the view.
  void Panel2Click() { ShowSection(0); }
  void Panel3Click() { ShowSection(1); }
  void Panel4Click() { ShowSection(2); }
  void Panel5Click() { ShowSection(3); }
  void Panel11Click() { ShowSection(4); }
  void Panel6Click() { ShowSection(5); }
  void Panel7Click() { ShowSection(6); }
  void Panel8Click() { ShowSection(7); }
  void Panel9Click() { ShowSection(8); }
  void Panel10Click() { ShowSection(9); }
  void Panel12Click() { ShowSection(10); }
  void Button1Click() { Close(); }

  ui::Panel Panel1{this};
  // The section buttons, top to bottom.
  ui::Panel Panel2{&Panel1}, Panel3{&Panel1}, Panel4{&Panel1}, Panel5{&Panel1}, Panel11{&Panel1}, Panel6{&Panel1},
      Panel7{&Panel1}, Panel8{&Panel1}, Panel9{&Panel1}, Panel10{&Panel1}, Panel12{&Panel1};
  ui::Button Button1{&Panel1};
  // The program's name drawn as a logo at the column's foot.
  ui::Label LogoFirst{&Panel1}, LogoSecond{&Panel1};
  ui::Shape LogoBar{&Panel1};
  ui::Label LogoLast{&Panel1}, LogoVersion{&Panel1};
  ui::ScrollBox ScrollBox1{this};
  ui::Memo Memo1{&ScrollBox1};

 private:
  void ShowSection(int section);
};

extern THelpDlg* HelpDlg;
