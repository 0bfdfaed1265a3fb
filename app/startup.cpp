#include "app/startup.h"

#include "app/palette.h"
#include "app/splash.h"
#include "help/about_box.h"
#include "help/help_viewer.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_window.h"
#include "memo/modify_dialog.h"
#include "memo/replace_dialog.h"
#include "settings/options_dialog.h"
#include "ui/application.h"

namespace app {

namespace {

constexpr char kTitle[] = "ぽち ── ら";

// The progress bar takes its new width and is painted at once: there is no event loop yet.
void ShowProgress(int width) {
  OpenDlg->Shape1.SetWidth(width);
  OpenDlg->Repaint();
}

template <class T>
void CreateWindow(T*& reference, int progress) {
  ui::Application->CreateForm(reference);
  ShowProgress(progress);
}

}  // namespace

void StartUp() {
  ui::Application->SetTitle(kTitle);

  // Made directly, not through the factory, so that the splash never becomes the main window.
  OpenDlg = ui::Application->Adopt(std::make_unique<TOpenDlg>());
  OpenDlg->Show();
  ShowProgress(10);

  CreateWindow(Main, 20);  // the first window of the factory: the main window
  CreateWindow(Form1, 30);
  CreateWindow(OptionDlg, 40);
  CreateWindow(HelpDlg, 50);
  CreateWindow(AboutDlg, 60);
  CreateWindow(ModifyDlg, 70);
  CreateWindow(ReplaceDialog1, 80);
  CreateWindow(MainOut, 90);

  OpenDlg->Release();
}

}  // namespace app

int ui::ProgramMain() {
  App application;
  app::StartUp();
  application.Run();
  return 0;
}
