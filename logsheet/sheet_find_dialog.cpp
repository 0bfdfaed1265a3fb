#include "logsheet/sheet_find_dialog.h"


TSheetFindDlg* SheetFindDlg = nullptr;

TSheetFindDlg::TSheetFindDlg() : ui::Form("TSheetFindDlg") {
  Apply({.caption = "ログシートの検索",
         .border = ui::BorderStyle::ToolWindow,
         .border_icons = ui::biMinimize | ui::biMaximize,
         .font = {"ＭＳ Ｐゴシック", -12, 0, ui::clBlack},
         .at = {120, 80},
         .client_width = 300,
         .client_height = 250});
  Label1.SetBounds({8, 8, 0, 0});
  Label1.SetCaption("検索する文字");
  Find.SetBounds({8, 23, 200, 20});
  Find.SetImeOnFocus(ui::ImeMode::Hiragana);
  cbCase.SetBounds({8, 51, 200, 17});
  cbCase.SetCaption("大文字と小文字を区別する");
  cbWidth.SetBounds({8, 71, 200, 17});
  cbWidth.SetCaption("全角/半角を区別しない");
  btNext.SetBounds({218, 8, 74, 25});
  btNext.SetCaption("次を検索");
  btNext.SetDefault(true);
  btNext.OnClick = [this] {
    if (OnFindNext) OnFindNext();
  };
  btAll.SetBounds({218, 37, 74, 25});
  btAll.SetCaption("すべて検索");
  btAll.OnClick = [this] {
    if (OnFindAll) OnFindAll();
  };
  btClose.SetBounds({218, 66, 74, 25});
  btClose.SetCaption("閉じる");
  btClose.SetCancel(true);
  btClose.OnClick = [this] { Hide(); };
  lbStatus.SetBounds({8, 96, 284, 12});
  lbHits.SetBounds({8, 114, 284, 128});
  lbHits.OnDblClick = [this] { lbHitsOpen(); };
  SetActiveControl(&Find);
}

TSheetFindDlg::~TSheetFindDlg() {
  if (SheetFindDlg == this) SheetFindDlg = nullptr;
}

core::SearchOptions TSheetFindDlg::Options() const {
  return {.match_case = cbCase.Checked(), .match_width = !cbWidth.Checked()};
}

void TSheetFindDlg::Open() {
  Show();
  Find.SetFocus();
  Find.SelectAll();
}

void TSheetFindDlg::ShowHits(const std::vector<std::string>& rows, std::vector<core::SheetHit> hits,
                             std::size_t total) {
  hits_ = std::move(hits);
  lbHits.SetItems(rows);
  if (total == 0) {
    SetStatus("見つかりません");
  } else if (total > hits_.size()) {
    SetStatus(std::to_string(total) + " 件見つかりました (初めの " + std::to_string(hits_.size()) + " 件を表示)");
  } else {
    SetStatus(std::to_string(total) + " 件見つかりました");
  }
}

void TSheetFindDlg::lbHitsOpen() {
  const int row = lbHits.ItemIndex();
  if (row >= 0 && row < static_cast<int>(hits_.size()) && OnGoTo) OnGoTo(hits_[row]);
}
