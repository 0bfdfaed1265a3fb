#pragma once
// The memo window: a borderless sticky memo. Its editor Edit1 sits in a thin see-through margin
// under the title line, which shows the time of the last change (or an opened file's path).

#include "memo/measured_lines.h"
#include "memo/memo_autosave.h"
#include "ui/file_dialogs.h"
#include "ui/font_dialog.h"
#include "ui/print_dialog.h"
#include "ui/form.h"
#include "ui/graphic_controls.h"
#include "ui/menus.h"
#include "ui/text_controls.h"
#include "ui/timer.h"

// The editor's fixed-pitch font, used at the width limit, and its proportional one.
inline constexpr char kFixedPitch[] = "ＭＳ ゴシック";
inline constexpr char kProportional[] = "ＭＳ Ｐゴシック";

class TForm1 : public ui::Form {
 public:
  TForm1();

  void FormCreate();
  void FormShow();
  void Edit1Change();
  void Timer1Timer();
  void Edit1KeyDown(int key, unsigned shift);
  void Edit1MouseDown(ui::MouseButton button, unsigned shift, int x, int y);
  void Edit1MouseMove(unsigned shift, int x, int y);
  void Edit1MouseUp(ui::MouseButton button, unsigned shift, int x, int y);
  // The file commands of the "ﾌｧｲﾙ(&F)" submenu, and the undo of what an open replaced.
  void K9Click();
  void K12Click();
  void SaveAs1Click();
  void Print1Click();
  void K11Click();
  // The editor's text as Rich Text Format to a file, which a failed write leaves as it was.
  void SaveEditorTo(const std::string& path);
  // The undo copy of the memo's text and shape into Memo1, which "元に戻す" brings back.
  void TakeUndoCopy();
  // The memo back to its empty starting shape, as the clear and the record-and-clear leave it.
  void ResetMemo();
  void K1Click();
  // Recording into the log sheet: open it, record and clear, record and close, close unrecorded.
  void K10Click();
  void K16Click();
  void K7Click();
  void Close1Click();
  // The edit, search and settings submenus: their update handlers as they open, and their items.
  void Edit3Click();
  void K8Click();
  void K2Click();
  void K3Click();
  void Cut1Click();
  void K5Click();
  void K14Click();
  void K15Click();
  void K4Click();
  void Replace1Click();
  // The find and replace window's buttons, each on its fields' texts. A replace run that ends
  // says how many it replaced, or that there is no replacement text.
  // 検索: selects the next hit of `find` behind the search position, or says there is none.
  void SearchText(const std::string& find);
  // 置換: replaces the next hit, scrolled into view with the keyboard in the editor.
  void ReplaceText(const std::string& find, const std::string& replacement);
  // 全て置換: replaces every hit behind the search position, drawn once and the last one shown.
  void ReplaceAll(const std::string& find, const std::string& replacement);
  // The editor's height, for the find and replace window to open just below the text.
  int EditorHeight() const { return Edit1.Height(); }
  ui::HitArea HitTest(ui::HitArea platform_answer) override;
  void Moved() override;
  // The options window, shown while the memo is hidden and still.
  void N3Click();
  // The help window, shown beside the memo, and the version box, modal.
  void K6Click();
  void About1Click();
  // The see-through margin: the background is never erased, and each paint first lets the
  // windows beneath repaint while the memo is off the screen.
  bool HandleEraseBackground(ui::Canvas&) override { return true; }
  void PaintRequested() override { RefreshBackdrop(); }

  ui::Timer Timer1;
  ui::PopupMenu PopupMenu1;
  ui::OpenDialog OpenDialog1;
  ui::SaveDialog SaveDialog1;
  ui::PrintDialog PrintDialog1;
  ui::FontDialog FontDialog1;
  ui::MenuItem File1{"ﾌｧｲﾙ(&F)"};
  ui::MenuItem K9{"ﾌｧｲﾙを開く"};
  ui::MenuItem K10{"記録を開く"};
  ui::MenuItem N1{"-"};
  ui::MenuItem K16{"記録してクリア"};
  ui::MenuItem K7{"記録して閉じる"};
  ui::MenuItem Close1{"記録せずに閉じる"};
  ui::MenuItem N2{"-"};
  ui::MenuItem K12{"上書保存"};
  ui::MenuItem SaveAs1{"名前をつけて保存"};
  ui::MenuItem N4{"-"};
  ui::MenuItem Print1{"印刷"};
  ui::MenuItem Edit3{"編集(&E)"};
  ui::MenuItem K11{"元に戻す"};
  ui::MenuItem K1{"クリア"};
  ui::MenuItem K2{"コピー"};
  ui::MenuItem K3{"貼りつけ"};
  ui::MenuItem Cut1{"切り取り"};
  ui::MenuItem K5{"全てを選択"};
  ui::MenuItem Show1{"検索（&S）"};
  ui::MenuItem Replace1{"検索・置換"};
  ui::MenuItem K14{"先頭"};
  ui::MenuItem K15{"最後"};
  ui::MenuItem K8{"環境設定"};
  ui::MenuItem K4{"フォント"};
  ui::MenuItem N3{"ｵﾌﾟｼｮﾝ"};
  ui::MenuItem K6{"ヘルプ(&H)"};
  ui::MenuItem About1{"ﾊﾞｰｼﾞｮﾝ情報"};
  // The shadow is painted first, so that the title line's text lies above it.
  ui::Label Label2{this};
  ui::Label Label1{this};
  ui::RichEdit Edit1{this};
  ui::RichEdit Memo1{this};  // the clear command's undo copy
  ui::Memo Memo3{this};      // composes the text of a record
  memo::MemoAutosave Autosave{Edit1};

 private:
  void BuildMenu();
  // The memo as a new item of the log sheet, under the heading of its day. A record in the
  // default sheet is saved with it; false when that save failed, which has been said.
  bool RecordMemo();
  // The search and replace run: a replace step replaces the next hit; a step that ends a run has
  // something to say (SayReplaceStep).
  enum class ReplaceStep { Replaced, RunEnded, NoReplacementText, AlreadyDone };
  // Each step of a run of replace-all need not show its hit: the run shows its last one as it
  // ends (ShowSelection).
  enum class HitShown { Each, AtTheEnd };
  std::optional<ui::Selection> FindNext(const std::string& find);
  ReplaceStep ReplaceNext(const std::string& find, const std::string& replacement, HitShown shown);
  void SayReplaceStep(ReplaceStep step);
  // The selection scrolled into view, and the keyboard in the editor.
  void ShowSelection();
  struct SearchState {
    int SearchPos = 0;          // where the next search starts
    unsigned ReplaceCount = 0;  // replacements in this run
    bool ReplaceDone = false;   // the run found nothing more to replace
  } Search;
  // Steps of a tick: the line probe, then fitting the width, the height and the window.
  void ProbeLines();
  void FitWidth();
  void FitHeight();
  void KeepOnScreen(ui::Bounds& window);
  void RefreshBackdrop();
  void SetEditorFontName(const char* name);
  bool InBottomZone(int y) const;
  bool refreshing_backdrop_ = false;
  memo::MeasuredLines measured_;
  int FontPixels() const { return Edit1.GetFont().PixelHeight(); }
};

extern TForm1* Form1;

// The memo autosave file beside the executable.
std::string MemoFilePath();
