#pragma once
// The log sheet: an outline notebook whose items carry notes.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_pieces.h"
#include "core/note_store.h"
#include "core/sheet_search.h"
#include "ui/file_dialogs.h"
#include "ui/form.h"
#include "ui/clock.h"
#include "ui/graphic_controls.h"
#include "ui/menus.h"
#include "ui/outline_view.h"
#include "ui/panel.h"
#include "ui/screen.h"
#include "ui/speed_button.h"
#include "ui/text_controls.h"

class TSheetFindDlg;

// The text of an item whose note is empty, so that its row can still be clicked.
inline constexpr char kBlankItem[] = " ";

class TMainOut : public ui::Form {
 public:
  TMainOut();
  ~TMainOut() override;

  // The command buttons in two columns on the left, the outline, the note pane.
  ui::Panel Panel2{this};
  ui::SpeedButton SpeedButton1{&Panel2}, SpeedButton2{&Panel2}, SpeedButton3{&Panel2}, SpeedButton4{&Panel2},
      SpeedButton5{&Panel2}, SpeedButton12{&Panel2}, SpeedButton6{&Panel2}, SpeedButton11{&Panel2},
      SpeedButton9{&Panel2}, SpeedButton10{&Panel2}, SpeedButton7{&Panel2}, SpeedButton8{&Panel2};
  ui::Panel pnOutline{this};
  ui::Panel Panel1{&pnOutline};
  ui::Label lbIndex{&Panel1};
  ui::OutlineView olTree{&pnOutline};
  ui::Panel pnMemo{this};
  ui::RichEdit moNote{&pnMemo};
  ui::OpenDialog dlOpen;
  ui::SaveDialog dlSave;
  ui::SaveDialog dlExport;

  // The menu bar: file, edit, move.
  ui::MainMenu MainMenu1;
  ui::MenuItem mmFile{"ﾌｧｲﾙ"}, mnNew{"新規作成"}, mnOpen{"開く"}, mnSave{"上書き保存"}, mnSaveAs{"名前をつけて保存"},
      N1{"-"}, mnAdd{"テキストの追加"}, N2{"-"}, mnExportText{"テキストで書き出し..."},
      mnExportHtml{"Webページで書き出し..."}, N6{"-"}, mnExit{"終了"};
  ui::MenuItem mmEdit{"編集"}, mnInsNode{"上に挿入"}, mnLowInsertNode{"下に挿入"}, mnDel{"削除"}, N3{"-"},
      mnCopy{"コピー"}, mnCut{"切り取り"}, mnPaste{"貼り付け"}, N4{"-"}, mnSplit{"分割"}, K2{"交換"}, N7{"-"},
      mnFind{"検索..."}, mnFindNext{"次を検索"}, mnFindPrevious{"前を検索"};
  ui::MenuItem mmShow{"移動"}, mnPrevNote{"上に移動"}, mnNextNote{"下に移動"}, N5{"-"}, mnLevelDown{"下位レベル"},
      mnLevelUp{"上位レベル"}, K1{"子を作成"};

  bool Dirty = false;
  bool Inserting = false;
  bool Sizing = false;  // the splitter at the outline's right edge is being dragged

  // Every stored note line; each item carries the span of its note in them.
  core::NoteStore Notes;
  std::vector<std::string> NoteLines() const { return Notes.Lines(); }
  core::NoteSpan& SpanOf(int item) { return olTree.Items().ItemAt(item).Span; }

  void StoreNote(int item);
  void ShowNote();
  void ShowIndex();
  void StartNewSheet();
  void ClearSheet();
  void NewSheet();
  void SaveSheet(const std::string& base);
  void LoadSheet(const std::string& base);

  // The item commands, by their buttons and menu items.
  void mnInsNodeClick();        // 上に挿入, 挿入 (upper): a blank item above the selection
  void mnAddNodeClick();        // 下に挿入 (menu): a blank item at the end of the top level
  void mnLowInsertNodeClick();  // 挿入 (lower): a blank item below the selection
  void SpeedButton10Click();    // 子, 子を作成: a child under the selection, opened
  void mnDelClick();            // 削除: the selected item and its children deleted
  void mnPrevNodeClick();       // 上に移動: the selection up one shown row
  void mnNextNodeClick();       // 下に移動: the selection down one shown row
  void mnLevelDownClick();      // 下, 下位レベル: the item one level deeper, under the item above
  void mnLevelUpClick();        // 上, 上位レベル: the item one level higher
  void mnSplitClick();          // 分割: the note cut at the caret into two items
  void SpeedButton9Click();     // 交換, 交換 (menu): the note taken, to be placed at the next row clicked
  void SpeedButton11Click();    // 開: every item opened
  void SpeedButton12Click();    // 閉: every item closed, in index order

  // The splitter: the outline's three rightmost pixels, dragged.
  void pnOutlineMouseDown(ui::MouseButton button, ui::Point at);
  void pnOutlineMouseMove(ui::Point at);
  void pnOutlineMouseUp(ui::MouseButton button, ui::Point at);

  // The tree's click notification and its taking the focus; over the tree the pointer is the
  // drag cursor while an exchange waits for the row to place its note.
  void olTreeClick();
  void olTreeEnter();
  void olTreeMouseMove(ui::Point at);

  // The file commands. "上書き保存" saves the sheet under its caption (the palette's shutdown
  // runs it too); a sheet never saved goes through the save dialog.
  void mnNewClick();
  void mnOpenClick();
  void mnSaveClick();
  // The default sheet written to its files beside the program, keeping its caption, so that the
  // quit goes on saving it unasked.
  void SaveDefaultSheet();
  void mnSaveAsClick();
  void mnAddClick();
  void mnExitClick();
  void mnCopyClick();
  void mnCutClick();
  void mnPasteClick();
  // The sheet written as a text file or a web page, through the save dialog; the note in the
  // pane is stored first.
  void mnExportTextClick();
  void mnExportHtmlClick();
  // The search: the find window (Ctrl+F), and the next and previous hit of its text (F3,
  // Shift+F3; they open the window while it has nothing to look for).
  void mnFindClick();
  void mnFindNextClick();
  void mnFindPreviousClick();
  // What the find window's buttons and list ask for; what is said goes to its status line.
  void FindInSheet(bool forward);
  void FindAllInSheet();
  void GoToListedHit(const core::SheetHit& hit);
  // Files a record (its lines, the first its title) as a new item under the heading of `date`,
  // which is made first when the newest heading is of another day.
  void FileRecord(const std::string& date, const std::vector<std::string>& lines);
  // The date of the newest date heading: read from the settings at each showing, kept there at
  // the quit; today's until the sheet is first shown.
  std::string LastDate = ui::ShortDateText();

  // The sheet's places on the screen, besides hidden: in view with its bottom edge on the
  // screen's, shown and in front; or parked just below the screen, out of sight and still shown.
  void ShowAtBottom();
  void Park() { SetTop(ParkedTop()); }
  bool Parked() const { return Visible() && Top() == ParkedTop(); }

  // Once, at start-up: the tooltips, the window at the bottom-left of the screen.
  void FormCreate();
  // Each showing from hidden: the date of the newest heading, and the default sheet loaded.
  void FormShow();
  // Stores the pending note; a changed default sheet is saved, and before changes to another
  // sheet are dropped the user is asked. A save that fails or is cancelled in its dialog keeps
  // the window open, as Cancel does.
  void FormCloseQuery(bool& can_close);
  void FormHide();

 private:
  bool closing_ = false;   // a close was granted: the hiding that follows lets the sheet go
  static int ParkedTop();  // just below the screen's bottom edge
  void LayOut();
  void BuildMenu();
  // Stores the pending note; a changed sheet asks "ログシートをセーブしますか ?". False on Cancel.
  bool AskToSave(ui::ModalResult& answer);
  // The save dialog, and the save under the name chosen; false when it was cancelled.
  bool SaveThroughDialog();
  // "上書き保存" as the roads that close or replace the sheet take it: false when the user
  // cancelled the save dialog of a sheet never saved. A failure throws.
  bool SaveUnderCaption();
  void CompleteExchange();
  void LoadDefaultSheet();
  void FocusNote();
  std::string SheetTitle() const;
  void ExportThroughDialog(const char* filter, const char* ext, const std::function<core::ByteSource()>& bytes);
  std::vector<std::string> PaneLines();
  core::SheetPlace SearchStart(bool forward);
  template <class Use>
  void WithSheetSearch(Use use);
  void FindOrAsk(bool forward);
  TSheetFindDlg& FindWindow();
  void GoToHit(const core::SheetHit& hit);
  std::optional<core::SheetHit> last_hit_;  // the hit shown last, for going on from a caption's
  std::string exchange_note_;  // the note the exchange took away, kept from the clipboard
};

extern TMainOut* MainOut;

// The hourglass for the length of a file operation, the default cursor again however it ends.
class HourGlass {
 public:
  HourGlass() { ui::Screen::SetCursor(ui::Cursor::HourGlass); }
  ~HourGlass() { ui::Screen::SetCursor(ui::Cursor::Default); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;
};

// The pane's lines are its hard lines only while word wrap is off.
class HardLines {
 public:
  explicit HardLines(ui::RichEdit& pane) : pane_(pane) { pane_.SetWordWrap(false); }
  ~HardLines() { pane_.SetWordWrap(true); }
  HardLines(const HardLines&) = delete;
  HardLines& operator=(const HardLines&) = delete;

 private:
  ui::RichEdit& pane_;
};

// The caption of a sheet never saved, and of the default sheet kept beside the executable.
inline constexpr char kNewSheetCaption[] = "NewFile";
inline constexpr char kDefaultSheetCaption[] = "LogSheet";
// The base path of the default sheet's three files.
std::string DefaultSheetBase();
// The exchange command took a note away and waits for the next click to place it.
extern bool ExchangePending;
