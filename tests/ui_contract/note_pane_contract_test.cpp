#include "tests/ui_contract/contract_fixture.h"

#include "ui/clipboard.h"
#include "ui/screen.h"
#include "ui/text_controls.h"

namespace {

// A note pane as the log sheet has one: a plain-text rich edit with word wrap.
class PaneForm : public ui::Form {
 public:
  PaneForm() : ui::Form("TPaneForm") {
    SetBorderStyle(ui::BorderStyle::None);
    SetBounds({200, 150, 300, 200});
    moNote.SetPlainText(true);
    moNote.SetBounds({10, 10, 200, 150});
    moNote.SetFont({"ＭＳ Ｐゴシック", -12, 0, ui::clWindowText});
    moNote.SetScrollBars(ui::ScrollBars::Vertical);
  }
  ui::RichEdit moNote{this};
};

class NotePaneContract : public Contract {
 protected:
  void SetUp() override {
    app.CreateForm(form);
    form->Show();
  }
  PaneForm* form = nullptr;
};

}  // namespace

TEST_F(NotePaneContract, ProgramEditsMarkThePaneWhileFillingItDoesNot) {
  ui::RichEdit& pane = form->moNote;
  pane.SetText("一行目\r\n二行目");
  EXPECT_FALSE(pane.Modified());
  pane.SetSel(0, 3);
  pane.ReplaceSel("日付");
  EXPECT_TRUE(pane.Modified());
  EXPECT_EQ(pane.Text(), "日付\r\n二行目");

  pane.SetModified(false);
  pane.SetLines({"a", "", "c"});
  EXPECT_FALSE(pane.Modified());
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"a", "", "c"}));
}

TEST_F(NotePaneContract, WithWordWrapOffTheLinesAreTheHardLines) {
  ui::RichEdit& pane = form->moNote;
  const std::string paragraph = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ";
  pane.SetText(paragraph + "\r\n\r\n末尾\r\n");
  pane.SetWordWrap(false);
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{paragraph, "", "末尾"}));
  pane.SetWordWrap(true);
  EXPECT_GT(pane.LineCount(), 3);
  EXPECT_FALSE(pane.Modified());
}

TEST_F(NotePaneContract, PlainTextTakesRichTextFormatAsText) {
  const std::string rtf = "{\\rtf1\\ansi abc\\par}";
  form->moNote.LoadFromBytes(rtf);
  EXPECT_EQ(form->moNote.Text(), rtf);
}

TEST_F(NotePaneContract, CutAndPasteGoThroughTheSystemClipboard) {
  ui::RichEdit& pane = form->moNote;
  pane.SetText("一行目\r\n二行目");
  pane.SetSel(0, 4);  // the first line and its line end
  pane.CutToClipboard();
  EXPECT_TRUE(ui::Clipboard::HasText());
  EXPECT_EQ(ui::Clipboard::AsText(), "一行目\r\n");
  EXPECT_EQ(pane.Text(), "二行目");
  EXPECT_TRUE(pane.Modified());

  // Nothing selected: the clipboard keeps what it had.
  pane.SetSelStart(0);
  pane.CutToClipboard();
  EXPECT_EQ(ui::Clipboard::AsText(), "一行目\r\n");

  pane.SetModified(false);
  pane.SetSelStart(3);
  pane.PasteFromClipboard();
  EXPECT_EQ(pane.Text(), "二行目一行目\r\n");
  EXPECT_TRUE(pane.Modified());

  ui::Clipboard::SetText("外から");
  pane.SelectAll();
  pane.PasteFromClipboard();
  EXPECT_EQ(pane.Text(), "外から");

  pane.SelectAll();
  pane.CopyToClipboard();
  EXPECT_EQ(ui::Clipboard::AsText().substr(0, 6), "外から");
  EXPECT_EQ(pane.Text(), "外から");
}

TEST_F(NotePaneContract, AHiddenPaneKeepsItsTextAndCaret) {
  ui::RichEdit& pane = form->moNote;
  pane.SetText("abc\r\ndef");
  pane.SetSelStart(5);
  pane.Hide();
  pane.SetSel(0, 2);
  pane.CutToClipboard();
  pane.Show();
  pane.SetFocus();
  EXPECT_EQ(pane.Text(), "c\r\ndef");
  EXPECT_EQ(pane.SelStart(), 0);
  EXPECT_EQ(ui::Clipboard::AsText(), "ab");
}

TEST_F(NotePaneContract, TheScreenShowsTheHourglassUntilItIsSetBack) {
  ui::Screen::SetCursor(ui::Cursor::HourGlass);
  EXPECT_EQ(ui::Screen::GetCursor(), ui::Cursor::HourGlass);
  EXPECT_EQ(ui::probe::NativeCursor(), ui::Cursor::HourGlass);
  // A drag, and the split between two panes, show their own cursors the same way.
  for (ui::Cursor cursor : {ui::Cursor::Drag, ui::Cursor::HSplit}) {
    ui::Screen::SetCursor(cursor);
    EXPECT_EQ(ui::probe::NativeCursor(), cursor) << static_cast<int>(cursor);
  }
  ui::Screen::SetCursor(ui::Cursor::Default);
  EXPECT_EQ(ui::probe::NativeCursor(), ui::Cursor::Default);
}
