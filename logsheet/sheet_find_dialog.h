#pragma once
// The log sheet's find window: a small tool window beside the sheet, open while the user goes on
// in it. "次を検索" walks the sheet from the selection, "すべて検索" lists every hit; a row of the
// list, double-clicked or with Enter, goes to its hit. "閉じる" (also Esc) hides the window.

#include <functional>
#include <string>
#include <vector>

#include "core/sheet_search.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/list_box.h"
#include "ui/text_controls.h"

class TSheetFindDlg : public ui::Form {
 public:
  TSheetFindDlg();
  // The program's reference goes with the window: the sheet makes it anew when next wanted.
  ~TSheetFindDlg() override;

  ui::Label Label1{this};
  ui::Edit Find{this};
  ui::CheckBox cbCase{this};
  ui::CheckBox cbWidth{this};
  ui::Button btNext{this};
  ui::Button btAll{this};
  ui::Button btClose{this};
  ui::Label lbStatus{this};
  ui::ListBox lbHits{this};

  // What the buttons and the list ask of the sheet the window searches.
  std::function<void()> OnFindNext, OnFindAll;
  std::function<void(const core::SheetHit&)> OnGoTo;

  core::SearchOptions Options() const;
  // What the status line says after a search: nothing, the wrap, or that nothing was found.
  void SetStatus(const std::string& text) { lbStatus.SetCaption(text); }
  // The list of every hit, at most a thousand shown, with the count of them all.
  void ShowHits(const std::vector<std::string>& rows, std::vector<core::SheetHit> hits, std::size_t total);
  // Shows the window with the keyboard in its field, the text last looked for selected.
  void Open();

 private:
  void lbHitsOpen();
  std::vector<core::SheetHit> hits_;  // of the rows of the list
};

extern TSheetFindDlg* SheetFindDlg;
