#pragma once
// The select-button palette: the application's main window, a narrow always-on-top tool
// window from which the user shows the memo, brings it forward, slides the log sheet in and
// out, opens the help and quits. Its close check is the whole shutdown.

#include "ui/form.h"
#include "ui/speed_button.h"

class TMain : public ui::Form {
 public:
  TMain();

  void FormCreate();
  void FormShow();
  void FormCloseQuery(bool& can_close);
  void SpeedButton1Click();  // 貼: the memo shown, or hidden when it is shown
  void SpeedButton2Click();  // 前: the keyboard to the memo's editor, which brings it forward
  void SpeedButton3Click();  // 終: the program asked to quit
  void SpeedButton4Click();  // ログ: the log sheet slid into view, or out of it
  void SpeedButton5Click();  // the help picture: the help window

  ui::SpeedButton SpeedButton1{this};
  ui::SpeedButton SpeedButton2{this};
  ui::SpeedButton SpeedButton4{this};
  ui::SpeedButton SpeedButton5{this};
  ui::SpeedButton SpeedButton3{this};

 private:
  // Saves the memo as Rich Text Format beside the executable; false when that failed.
  bool AutosaveMemo();
};

extern TMain* Main;
