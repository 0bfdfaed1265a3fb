#include "logsheet/sheet_find_dialog.h"
#include "tests/logsheet_window/log_sheet_fixture.h"
#include "ui/headless/disk.h"

namespace {

class SheetSearch : public LogSheet {
 protected:
  void SetUp() override {
    LogSheet::SetUp();
    app.CreateForm(SheetFindDlg);
  }
  // The pane's selection, as the user sees it: where it starts and how long it is, in characters.
  std::pair<int, int> PaneSelection() { return {sheet->moNote.SelStart(), sheet->moNote.SelLength()}; }
  std::string Status() { return SheetFindDlg->lbStatus.Caption(); }
  void F3(unsigned shift = 0) { ui::probe::PressInWindow(sheet->moNote, ui::kKeyF3, shift); }
};

}  // namespace

// A user looks for a customer's name written in half-width katakana under closed headings,
// walks the hits with F3 and Shift+F3, lists them all, and looks for what is not there.
TEST_F(SheetSearch, TheFindWindowWalksAndListsTheHitsOfTheWholeSheetAcrossWidthsAndClosedHeadings) {
  Build({{1, "日報"}, {2, "ｶﾀｶﾅのﾒﾓ"}, {1, "議事録"}, {2, "カタカナの記録"}, {1, "予定"}});
  sheet->Notes.Store(sheet->SpanOf(2), {"ｶﾀｶﾅのﾒﾓ", "顧客ｶﾀｶﾅ商事"});
  ASSERT_FALSE(Items().IsShown(2));

  ui::probe::PressInWindow(sheet->moNote, 'F', ui::ssCtrl);
  ASSERT_TRUE(SheetFindDlg->Visible());
  ui::probe::Type(SheetFindDlg->Find, "カタカナ");
  ui::probe::Click(SheetFindDlg->btNext);
  EXPECT_EQ(Selected(), 4) << "the widths are told apart until the user says otherwise";
  EXPECT_TRUE(Items().IsShown(4)) << "the hit's heading is opened";
  EXPECT_EQ(PaneSelection(), (std::pair{0, 4}));

  ClickRow(0);
  ui::probe::Click(SheetFindDlg->cbWidth);
  ui::probe::Click(SheetFindDlg->btNext);
  EXPECT_EQ(Selected(), 2) << "the hit's heading is opened";
  EXPECT_TRUE(Items().IsShown(2));
  EXPECT_EQ(PaneSelection(), (std::pair{0, 4}));
  EXPECT_EQ(Status(), "");
  F3();
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(PaneSelection(), (std::pair{10, 4})) << "the note's second line, after 顧客";
  F3();
  EXPECT_EQ(Selected(), 4);
  EXPECT_EQ(PaneSelection(), (std::pair{0, 4}));
  F3();
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(Status(), "末尾まで検索したので先頭から検索しました");
  F3(ui::ssShift);
  EXPECT_EQ(Selected(), 4);
  EXPECT_EQ(Status(), "先頭まで検索したので末尾から検索しました");
  F3(ui::ssShift);
  EXPECT_EQ(PaneSelection(), (std::pair{10, 4}));

  // The note being typed counts as it stands, before it is stored; the caption it no longer
  // begins with is searched on its own.
  TypeNote("未保存のｶﾀｶﾅ");
  ui::probe::Click(SheetFindDlg->btAll);
  EXPECT_EQ(ui::probe::NativeItems(SheetFindDlg->lbHits),
            (std::vector<std::string>{"ｶﾀｶﾅのﾒﾓ  見出し: ｶﾀｶﾅのﾒﾓ", "ｶﾀｶﾅのﾒﾓ  1行: 未保存のｶﾀｶﾅ",
                                      "カタカナの記録  1行: カタカナの記録"}));
  EXPECT_EQ(Status(), "3 件見つかりました");
  ui::probe::DoubleClickRow(SheetFindDlg->lbHits, 2);
  EXPECT_EQ(Selected(), 4);
  EXPECT_EQ(NoteOf(2), (std::vector<std::string>{"未保存のｶﾀｶﾅ"})) << "the note was stored as the selection moved";

  SheetFindDlg->Find.SetText("見当たらない");
  const auto before = PaneSelection();
  ui::probe::Click(SheetFindDlg->btNext);
  EXPECT_EQ(Status(), "見つかりません");
  EXPECT_EQ(Selected(), 4);
  EXPECT_EQ(PaneSelection(), before);
  ui::probe::PressKey(SheetFindDlg->Find, ui::kKeyEscape);
  EXPECT_FALSE(SheetFindDlg->Visible());
}

// The sheet taken out as text and as a web page; a write that fails says so and leaves the
// earlier export as it was.
TEST_F(LogSheet, ExportsWriteTheWholeSheetAndAFailedOneKeepsTheEarlierFile) {
  Build({{1, "見出し<script>"}, {2, "子"}});
  sheet->Notes.Store(sheet->SpanOf(2), {"子", "本文 & 続き"});
  TypeNote("見出し<script>\r\n本日");  // typed, not yet stored: the export stores it first

  ui::probe::AnswerFileDialog("C:\\notes\\書き出し.txt");
  ui::probe::ChooseFromMenuBar(*sheet, {"ﾌｧｲﾙ", "テキストで書き出し..."});
  ASSERT_EQ(ui::probe::FileDialogs().size(), 1u);
  EXPECT_EQ(ui::probe::FileDialogs()[0].types, std::vector<std::string>{"テキスト(*.txt)"});
  const std::string text = "見出し<script>\r\n\t本日\r\n\t子\r\n\t\t本文 & 続き\r\n";
  EXPECT_EQ(Bytes("C:\\notes\\書き出し.txt"), text);

  ui::probe::AnswerFileDialog("C:\\notes\\書き出し.html");
  ui::probe::ChooseFromMenuBar(*sheet, {"ﾌｧｲﾙ", "Webページで書き出し..."});
  const std::string html = Bytes("C:\\notes\\書き出し.html");
  EXPECT_NE(html.find("&lt;script&gt;"), std::string::npos);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("\xE6\x9C\xAC\xE6\x96\x87 &amp; \xE7\xB6\x9A\xE3\x81\x8D"), std::string::npos)
      << "本文 & 続き, in UTF-8";

  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view) {
    if (step == ui::headless::FileStep::Flush) throw ui::FileError("ディスクがいっぱいです");
  });
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::AnswerFileDialog("C:\\notes\\書き出し.txt");
  TypeNote("書き換えた見出し");
  ui::probe::ChooseFromMenuBar(*sheet, {"ﾌｧｲﾙ", "テキストで書き出し..."});
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(ui::probe::Boxes()[0].icon, ui::MsgIcon::Error);
  EXPECT_EQ(Bytes("C:\\notes\\書き出し.txt"), text);
  EXPECT_FALSE(ui::FileExists("C:\\notes\\書き出し.txt.new"));
}
