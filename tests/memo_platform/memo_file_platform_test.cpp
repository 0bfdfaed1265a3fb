// The memo's file commands on whichever backend is linked in: the real open dialog, the rich
// edit's streams and the printer list under Wine, or the headless desktop.

#include <gtest/gtest.h>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/probe.h"

namespace {

class MemoFileOnThePlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app.CreateForm(Form1);
    Form1->Show();
  }
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }};
  ui::App app;
};

}  // namespace

TEST_F(MemoFileOnThePlatform, OpenReadOnlyThenAnotherFileEditSaveOverAndPrintWithoutAPrinter) {
  std::string folder = ui::probe::ScratchFolder();
  std::string letter = folder + "\\letter.txt", note = folder + "\\note.txt";
  ui::ReplaceFileBytes(letter, "拝啓\r\n敬具");
  ui::ReplaceFileBytes(note, "メモ");
  Form1->Edit1.SetText("付箋");

  ui::probe::AnswerFileDialog(letter, true);
  Form1->K9Click();
  EXPECT_TRUE(Memo.FileMode);
  EXPECT_EQ(Form1->Label1.Caption(), letter);
  EXPECT_EQ(Form1->Edit1.Text(), "拝啓\r\n敬具");
  EXPECT_TRUE(Form1->Edit1.ReadOnly());
  EXPECT_FALSE(Form1->Edit1.Modified());

  // The next file streams into the read-only editor, and the box left clear makes it writable.
  ui::probe::AnswerFileDialog(note, false);
  Form1->K9Click();
  EXPECT_EQ(Form1->Edit1.Text(), "メモ");
  EXPECT_FALSE(Form1->Edit1.ReadOnly());
  EXPECT_EQ(Form1->Label1.Caption(), note);

  Form1->Edit1.SetSelStart(2);
  ui::probe::Type(Form1->Edit1, "追記");
  EXPECT_TRUE(Form1->Edit1.Modified());
  Form1->K12Click();
  EXPECT_FALSE(Form1->Edit1.Modified());
  std::string saved = ui::ReadFileBytes(note);
  EXPECT_EQ(saved.rfind("{\\rtf", 0), 0u);
  EXPECT_EQ(saved.find('\0'), std::string::npos) << "a saved file holds no NUL";
  ui::RichEdit reader(Form1);
  reader.Hide();
  ASSERT_TRUE(reader.LoadFromBytes(saved));
  EXPECT_EQ(reader.Text(), "メモ追記");

  if (ui::probe::NativePrinterCount() == 0) {
    ui::probe::Answer(ui::ModalResult::OK);
    Form1->Print1.Click();
    ASSERT_FALSE(ui::probe::Boxes().empty());
    EXPECT_EQ(ui::probe::Boxes().back().text.rfind("プリンタがインストールされていません。", 0), 0u);
  }
  EXPECT_EQ(Form1->Edit1.Text(), "メモ追記");
}
