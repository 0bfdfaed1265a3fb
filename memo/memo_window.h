#pragma once
// The memo window: a borderless sticky memo. Its editor Edit1 sits in a thin see-through margin
// under the title line, which shows the time of the last change (or an opened file's path).

#include "memo/measured_lines.h"
#include "memo/tick_pace.h"
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
  void K9Click();       // ﾌｧｲﾙを開く: a text file into the memo, which then edits that file
  void K12Click();      // 上書保存: the opened file saved over (or named first)
  void SaveAs1Click();  // 名前をつけて保存: the text saved under a name chosen
  void Print1Click();   // 印刷: the text printed on the printer chosen
  void K11Click();      // 元に戻す: what the last clear or open replaced comes back
  // The editor's text as Rich Text Format to a file, which a failed write leaves as it was.
  void SaveEditorTo(const std::string& path);
  // The undo copy of the memo's text and shape into Memo1, which "元に戻す" brings back.
  void TakeUndoCopy();
  // The memo back to its empty starting shape, as the clear and the record-and-clear leave it.
  void ResetMemo();
  void K1Click();  // クリア: the memo emptied and small again, kept for 元に戻す
  // Recording into the log sheet: open it, record and clear, record and close, close unrecorded.
  void K10Click();     // 記録を開く: the log sheet slid into view
  void K16Click();     // 記録してクリア: the memo recorded, then emptied
  void K7Click();      // 記録して閉じる: the memo recorded, then hidden
  void Close1Click();  // 記録せずに閉じる: hidden, an opened file's text kept as the memo
  // The edit, search and settings submenus: their update handlers as they open, and their items.
  void Edit3Click();     // 編集(&E) opening: copy, paste and cut enabled as they can act
  void K8Click();        // 環境設定 opening: フォント enabled when text is selected
  void K2Click();        // コピー: the selection copied
  void K3Click();        // 貼りつけ: the clipboard's text pasted
  void Cut1Click();      // 切り取り: the selection cut
  void K5Click();        // 全てを選択: the whole text selected
  void K14Click();       // 先頭: the caret to the top
  void K15Click();       // 最後: the caret to the end
  void K4Click();        // フォント: a font chosen for the selection
  void Replace1Click();  // 検索・置換: the find and replace window opened below the text
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
  void N3Click();      // ｵﾌﾟｼｮﾝ: the options window, shown while the memo is hidden and still
  void K6Click();      // ヘルプ(&H): the help window, shown beside the memo
  void About1Click();  // ﾊﾞｰｼﾞｮﾝ情報: the version box, modal
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
  // Slows Timer1 down while ticks change nothing; whatever may change the memo wakes it.
  memo::TickPace Pace{Timer1};

 private:
  void BuildMenu();
  // The memo as a new item of the log sheet, under the heading of its day. A record in the
  // default sheet is saved with it; false when that save failed, which has been said.
  bool RecordMemo();
  // A run of replacing: one hit (a single replace) or every hit to the end (replace-all); a run
  // that ends says how many it replaced (SayReplaced).
  std::optional<ui::Selection> FindNext(const std::string& find);
  void SayReplaced();
  // The selection scrolled into view, and the keyboard in the editor.
  void ShowSelection();
  struct SearchState {
    int SearchPos = 0;          // where the next search starts
    unsigned ReplaceCount = 0;  // replacements in this run
  } Search;
  // Steps of a tick: the line probe, then fitting the width, the height and the window.
  void ProbeLines();
  void FitWidth();
  void FitHeight(bool several_lines);
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
