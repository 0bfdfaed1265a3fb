#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "app/palette.h"
#include "core/rtf/rtf_reader.h"
#include "help/help_viewer.h"
#include "logsheet/log_sheet_window.h"
#include "memo/memo_window.h"
#include "memo/modify_dialog.h"
#include "tests/app/started_program.h"
#include "ui/clock.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/screen.h"

namespace {

constexpr char kPositionKey[] = "\\Software\\Brenmar\\ぽちーら";

std::string HostFile(const char* windows_path) {
  std::ifstream in(ui::headless::HostPath(windows_path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FilesIn(const char* windows_folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(ui::headless::HostPath(windows_folder))) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class Palette : public StartedProgram {
 protected:
  void Quit(ui::ModalResult answer) {
    ui::probe::Answer(answer);
    ui::probe::Click(Main->SpeedButton3);
  }
};

}  // namespace

TEST_F(Palette, FiveButtonsInAColumnWithTheirCaptionsAndHints) {
  EXPECT_EQ(Main->Width(), 32);
  EXPECT_EQ(Main->ClientHeight(), 131);
  EXPECT_EQ(ui::probe::NativeIme(*Main), ui::ImeMode::Hiragana);
  EXPECT_EQ(ui::probe::NativeHintColor(), ui::clAqua);
  struct Expected {
    ui::SpeedButton* button;
    int top;
    const char* caption;
    int pixels;
    ui::Color color;
    const char* hint;
  };
  for (const Expected& e : {Expected{&Main->SpeedButton1, 1, "貼", 27, ui::clPurple, "ﾃﾞｽｸﾄｯﾌﾟにﾒﾓを貼りつけます"},
                            Expected{&Main->SpeedButton2, 27, "前", 27, ui::clTeal, "ﾃﾞｽｸﾄｯﾌﾟのﾒﾓを全て取り除きます"},
                            Expected{&Main->SpeedButton4, 53, "ログ", 13, ui::clBlack, ""},
                            Expected{&Main->SpeedButton5, 79, "", 12, ui::clBlack, ""},
                            Expected{&Main->SpeedButton3, 105, "終", 27, ui::clNavy, "ぽち──らを終了します"}}) {
    SCOPED_TRACE(e.top);
    EXPECT_EQ(e.button->GetBounds(), (ui::Bounds{1, e.top, 25, 25}));
    EXPECT_EQ(e.button->Caption(), e.caption);
    EXPECT_EQ(e.button->GetFont().name, "ＭＳ Ｐ明朝");
    EXPECT_EQ(e.button->GetFont().PixelHeight(), e.pixels);
    EXPECT_EQ(e.button->GetFont().style, ui::fsBold);
    EXPECT_EQ(e.button->GetFont().color, e.color);
    EXPECT_EQ(ui::probe::NativeHint(*e.button), e.hint);
  }
  EXPECT_EQ(Main->SpeedButton5.Glyph(), "HELPGLYPH");
}

TEST_F(Palette, TheMemoButtonShowsAndHidesTheMemoAndColoursItsCaption) {
  ui::probe::Click(Main->SpeedButton1);
  EXPECT_TRUE(Form1->Visible());
  EXPECT_EQ(Main->SpeedButton1.GetFont().color, ui::clWhite);
  EXPECT_EQ(Form1->Edit1.SelStart(), 0);
  EXPECT_EQ(Form1->GetBounds(), (ui::Bounds{1024 - 160, 0, 80, 61})) << "at the top right on a first start";

  ui::probe::Click(Main->SpeedButton1);
  EXPECT_FALSE(Form1->Visible());
  EXPECT_EQ(Main->SpeedButton1.GetFont().color, ui::clPurple);
}

TEST_F(Palette, BringingForwardAHiddenMemoShowsThePlatformsFocusErrorAndChangesNothing) {
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::Click(Main->SpeedButton2);
  ASSERT_EQ(ui::probe::Boxes().size(), 1u);
  EXPECT_EQ(LastBox(), "無効/非表示ｳｨﾝﾄﾞｳにはﾌｫｰｶｽを設定できません");
  EXPECT_EQ(ui::probe::Boxes()[0].title, "ぽち ── ら");
  EXPECT_FALSE(Form1->Visible());
  EXPECT_FALSE(app->Terminated());

  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Click(Main->SpeedButton2);
  EXPECT_TRUE(ui::probe::NativeFocused(Form1->Edit1));
}

TEST_F(Palette, TheLogButtonSlidesTheSheetInParksItBelowTheScreenAndSlidesItInAgain) {
  int bottom_aligned = 768 - MainOut->Height();
  ui::probe::Click(Main->SpeedButton4);
  EXPECT_TRUE(MainOut->Visible());
  EXPECT_EQ(MainOut->Top(), bottom_aligned);
  ui::probe::Click(Main->SpeedButton4);
  EXPECT_TRUE(MainOut->Visible()) << "parked, not hidden";
  EXPECT_EQ(MainOut->Top(), 768 + 10);
  int left = MainOut->Left();
  ui::probe::Click(Main->SpeedButton4);
  EXPECT_EQ(MainOut->Top(), bottom_aligned);
  EXPECT_EQ(MainOut->Left(), left) << "the sheet never moves sideways";
}

TEST_F(Palette, TheHelpButtonShowsTheHelpViewerBesideTheOthers) {
  ui::probe::Click(Main->SpeedButton5);
  EXPECT_TRUE(HelpDlg->Visible());
  EXPECT_FALSE(HelpDlg->Modal());
}

TEST_F(Palette, CancelAtTheQuitQuestionStillWritesThePositionsAndTheDate) {
  Quit(ui::ModalResult::Cancel);
  EXPECT_EQ(ui::probe::Boxes().at(0).text, "ぽち～らを終了しますか？");
  EXPECT_EQ(ui::probe::Boxes().at(0).title, "確認");
  EXPECT_EQ(ui::probe::Boxes().at(0).icon, ui::MsgIcon::Question);
  EXPECT_FALSE(app->Terminated());
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Top"), 0u);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Left"), 1024u - 160);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Main.Top"), 0u);
  EXPECT_EQ(ui::probe::NativeRegistryDword(kPositionKey, "Main.Left"), 0u);
  EXPECT_NE(HostFile("C:\\pochira\\pochira.ini").find("hiduke=" + ui::ShortDateText()), std::string::npos)
      << "a sheet never shown keeps today's date";
  EXPECT_TRUE(HostFile("C:\\pochira\\Memo1.txt").empty()) << "nothing is autosaved after Cancel";
}

TEST_F(Palette, OkAutosavesTheMemoAsRichTextEmptiesTheEditorsAndEnds) {
  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Type(Form1->Edit1, "買い物メモ");
  Quit(ui::ModalResult::OK);

  EXPECT_TRUE(app->Terminated());
  std::string saved = HostFile("C:\\pochira\\Memo1.txt");
  EXPECT_EQ(saved.rfind("{\\rtf", 0), 0u) << saved;
  EXPECT_NE(saved.find("\\'94\\'83"), std::string::npos) << "the text is in it, as Shift-JIS bytes";
  EXPECT_EQ(Form1->Edit1.Text(), "");
  EXPECT_FALSE(Form1->Edit1.Modified());
  EXPECT_FALSE(Form1->Visible());
}

TEST_F(Palette, TheMemoIsOnTheDiskWhileItIsTypedAndTheQuitsClearingIsNeverWritten) {
  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Type(Form1->Edit1, "電話する");
  ui::probe::RunFor(3000);
  EXPECT_EQ(core::rtf::ReadRtf(HostFile("C:\\pochira\\Memo1.txt")).Text(), "電話する") << "written before any quit";

  ui::probe::Type(Form1->Edit1, "と");
  Quit(ui::ModalResult::OK);
  ASSERT_TRUE(app->Terminated());
  std::string at_quit = HostFile("C:\\pochira\\Memo1.txt");
  ui::probe::RunFor(10000);
  EXPECT_EQ(HostFile("C:\\pochira\\Memo1.txt"), at_quit) << "the emptied editor is not written over it";
  EXPECT_EQ(core::rtf::ReadRtf(at_quit).Text(), "電話すると");
}

TEST_F(Palette, OkWithAnOpenedFileWritesNoAutosave) {
  Memo.FileMode = true;
  Quit(ui::ModalResult::OK);
  EXPECT_TRUE(app->Terminated());
  EXPECT_FALSE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\Memo1.txt")));
}

TEST_F(Palette, AFailedAutosaveKeepsTheMemoAndRefusesTheQuit) {
  std::filesystem::create_directory(ui::headless::HostPath("C:\\pochira\\Memo1.txt"));
  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Type(Form1->Edit1, "消えては困るメモ");
  ui::probe::Answer(ui::ModalResult::OK);  // the message that it was not saved
  Quit(ui::ModalResult::OK);

  EXPECT_EQ(LastBox(), "自動保存しませんでした");
  EXPECT_FALSE(app->Terminated());
  EXPECT_EQ(Form1->Edit1.Text(), "消えては困るメモ");
  EXPECT_TRUE(Form1->Visible());
  EXPECT_TRUE(ui::probe::NativeRegistryKeyExists(kPositionKey)) << "the positions are written as after Cancel";
}

// A memo file that cannot be written is told once by the background autosave, never over the
// quit's own question, not again after the quit has said it too, and again only after a write
// has succeeded and a new one failed.
TEST_F(Palette, AnUnwritableMemoFileIsToldOnceAndNeverOverTheQuitsQuestion) {
  const std::string file = ui::headless::HostPath("C:\\pochira\\Memo1.txt");
  std::filesystem::create_directory(file);
  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Type(Form1->Edit1, "一");
  // Typing stops and the quit is asked at once: its question stays up long enough for the
  // background write to fall due.
  ui::headless::WhileNextBoxIsUp([] { ui::probe::RunFor(10000); });
  ui::probe::Answer(ui::ModalResult::OK);  // the quit's own message
  Quit(ui::ModalResult::OK);
  EXPECT_FALSE(app->Terminated());
  ASSERT_EQ(ui::probe::Boxes().size(), 2u);
  EXPECT_EQ(ui::probe::Boxes()[0].text, "ぽち～らを終了しますか？");
  EXPECT_EQ(ui::probe::Boxes()[1].text, "自動保存しませんでした");

  ui::probe::Type(Form1->Edit1, "二");
  ui::probe::RunFor(30000);
  EXPECT_EQ(ui::probe::Boxes().size(), 2u) << "the quit has told it already";

  std::filesystem::remove(file);
  ui::probe::Type(Form1->Edit1, "三");
  ui::probe::RunFor(3000);
  EXPECT_EQ(core::rtf::ReadRtf(HostFile("C:\\pochira\\Memo1.txt")).Text(), "一二三");

  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  ui::probe::Answer(ui::ModalResult::OK);
  ui::probe::Type(Form1->Edit1, "四");
  ui::probe::RunFor(3000);
  ui::probe::Type(Form1->Edit1, "五");
  ui::probe::RunFor(30000);
  ASSERT_EQ(ui::probe::Boxes().size(), 3u) << "a new failure after a success is told, once";
  EXPECT_EQ(ui::probe::Boxes()[2].text, "自動保存しませんでした");
  EXPECT_EQ(Form1->Edit1.Text(), "一二三四五");
}

// A sheet that will not close ends the quit there: the user backed out of saving it (Cancel in
// its question, or in its save dialog after Yes), or its save failed. The memo and the sheet are
// then as they were, and the next quit, answered differently, goes through.
TEST_F(Palette, ASheetThatStaysOpenEndsTheQuitWithTheMemoAndTheSheetAsTheyWere) {
  ui::probe::Click(Main->SpeedButton1);
  ui::probe::Type(Form1->Edit1, "まだ書くメモ");
  ui::probe::Click(Main->SpeedButton4);
  ui::probe::ChooseFromMenuBar(*MainOut, {"ﾌｧｲﾙ", "新規作成"});
  MainOut->moNote.SelectAll();
  ui::probe::Type(MainOut->moNote, "名前のない記録");
  const auto files_before = FilesIn("C:\\pochira");

  auto quit_answering_the_sheet = [&](ui::ModalResult answer, std::optional<std::string> save_as) {
    ui::probe::Answer(ui::ModalResult::OK);  // the quit's question
    ui::probe::Answer(answer);               // "ログシートをセーブしますか ?"
    if (answer == ui::ModalResult::Yes) ui::probe::AnswerFileDialog(save_as);
    ui::probe::Click(Main->SpeedButton3);
  };
  for (ui::ModalResult answer : {ui::ModalResult::Cancel, ui::ModalResult::Yes}) {
    SCOPED_TRACE(answer == ui::ModalResult::Cancel ? "Cancel at the question" : "Yes, then Cancel in the dialog");
    quit_answering_the_sheet(answer, std::nullopt);
    EXPECT_FALSE(app->Terminated());
    EXPECT_EQ(LastBox(), "ログシートをセーブしますか ?");
    EXPECT_TRUE(MainOut->Visible());
    EXPECT_EQ(MainOut->Caption(), "NewFile");
    EXPECT_EQ(MainOut->moNote.Text(), "名前のない記録");
    EXPECT_EQ(Form1->Edit1.Text(), "まだ書くメモ") << "the memo is not emptied";
    EXPECT_TRUE(Form1->Visible());
  }
  // Only the memo's autosave and the settings were written: no sheet file.
  for (const std::string& name : FilesIn("C:\\pochira")) {
    EXPECT_TRUE(name == "Memo1.txt" || name == "pochira.ini" ||
                std::count(files_before.begin(), files_before.end(), name))
        << name;
  }

  // Typing after a refused quit is written in the background again.
  ui::probe::Type(Form1->Edit1, "。");
  ui::probe::RunFor(3000);
  EXPECT_EQ(core::rtf::ReadRtf(HostFile("C:\\pochira\\Memo1.txt")).Text(), "まだ書くメモ。");

  quit_answering_the_sheet(ui::ModalResult::Yes, "C:\\pochira\\記録.Pcr");
  EXPECT_TRUE(app->Terminated());
  EXPECT_NE(HostFile("C:\\pochira\\記録.Txt").find("名前のない記録"), std::string::npos);
  EXPECT_EQ(Form1->Edit1.Text(), "");
}

namespace {

// The memo holding a file opened through its open command, changed since.
class ChangedFile : public Palette {
 protected:
  static constexpr char kFile[] = "C:\\pochira\\手紙.txt";
  void SetUp() override {
    Palette::SetUp();
    std::ofstream(ui::headless::HostPath(kFile), std::ios::binary) << "拝啓";
    ui::probe::Click(Main->SpeedButton1);
    ui::probe::AnswerFileDialog(kFile);
    Form1->K9Click();
    Form1->Edit1.SetSelStart(2);
    ui::probe::Type(Form1->Edit1, "、お元気ですか");
  }
  std::string FileNow() { return HostFile(kFile); }
};

}  // namespace

TEST_F(ChangedFile, OkOffersTheChangedFileForSavingBeforeAnythingIsEmptiedAndSaveEndsTheProgram) {
  std::string caption;
  bool memo_hidden = false, focus_on_no = false;
  std::string text_while_asked;
  ui::headless::WhenModal("TModifyDlg", [&](ui::Form&) {
    caption = ModifyDlg->Label1.Caption();
    memo_hidden = !ui::probe::NativeVisible(*Form1);
    focus_on_no = ui::probe::NativeFocused(ModifyDlg->CancelBtn);
    text_while_asked = Form1->Edit1.Text();
    ui::probe::Click(ModifyDlg->Button1);
  });
  Quit(ui::ModalResult::OK);

  EXPECT_EQ(caption, "C:\\pochira\\手紙.txtは変更されています\n保存しますか？");
  EXPECT_TRUE(memo_hidden);
  EXPECT_TRUE(focus_on_no) << "いいえ has the keyboard when the dialog opens";
  EXPECT_EQ(text_while_asked, "拝啓、お元気ですか") << "the editor still holds the changes while asked";
  EXPECT_EQ(FileNow().rfind("{\\rtf", 0), 0u);
  EXPECT_NE(FileNow().find("\\'82\\'a8"), std::string::npos) << "the changed text is written: " << FileNow();
  EXPECT_TRUE(app->Terminated());
  EXPECT_FALSE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\Memo1.txt")));
  EXPECT_EQ(Form1->Edit1.Text(), "");
}

TEST_F(ChangedFile, ALongPathWidensTheConfirmationToShowItWhole) {
  Form1->Label1.SetCaption(
      "C:\\Documents and Settings\\user\\デスクトップ\\仕事\\二〇二六年\\十二月\\報告書の下書き.txt");
  bool fits = false;
  int width = 0;
  ui::headless::WhenModal("TModifyDlg", [&](ui::Form&) {
    fits = ModifyDlg->Label1.Left() + ModifyDlg->Label1.Width() < ModifyDlg->Bevel1.Left() + ModifyDlg->Bevel1.Width();
    width = ui::probe::NativeClientSize(*ModifyDlg).width;
    ui::probe::Click(ModifyDlg->CancelBtn);
  });
  ModifyDlg->ShowModal();
  EXPECT_TRUE(fits);
  EXPECT_GT(width, 335);
  EXPECT_EQ(ModifyDlg->Left(), (ui::Screen::Width() - ModifyDlg->Width()) / 2);
}

TEST_F(ChangedFile, EscAnswersNoAndTheProgramEndsWithTheFileAsItWas) {
  ui::headless::WhenModal("TModifyDlg", [&](ui::Form&) { ui::probe::PressKey(ModifyDlg->CancelBtn, ui::kKeyEscape); });
  Quit(ui::ModalResult::OK);
  EXPECT_EQ(FileNow(), "拝啓");
  EXPECT_TRUE(app->Terminated());
}

TEST_F(ChangedFile, AFailedSaveIsShownAndTheDialogStaysForNo) {
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Write && path == kFile)
      throw ui::FileError("手紙.txt: アクセスが拒否されました");
  });
  bool open_after_failure = false;
  ui::headless::WhenModal("TModifyDlg", [&](ui::Form&) {
    ui::probe::Answer(ui::ModalResult::OK);  // the error box
    ui::probe::Click(ModifyDlg->Button1);
    open_after_failure = ModifyDlg->GetModalResult() == ui::ModalResult::None && ui::probe::NativeVisible(*ModifyDlg);
    ui::probe::Click(ModifyDlg->CancelBtn);
  });
  Quit(ui::ModalResult::OK);
  ui::headless::SetFileFault(nullptr);

  EXPECT_EQ(LastBox(), "手紙.txt: アクセスが拒否されました");
  EXPECT_TRUE(open_after_failure);
  EXPECT_EQ(FileNow(), "拝啓");
  EXPECT_TRUE(app->Terminated());
}

TEST_F(ChangedFile, ASavedFileIsNotAskedAboutAndCancelAsksNothing) {
  Quit(ui::ModalResult::Cancel);  // no confirmation is scripted: one shown would fail the test
  EXPECT_FALSE(app->Terminated());
  EXPECT_EQ(Form1->Edit1.Text(), "拝啓、お元気ですか");
  EXPECT_TRUE(Form1->Visible());

  Form1->K12Click();
  Quit(ui::ModalResult::OK);
  EXPECT_TRUE(app->Terminated());
  EXPECT_NE(FileNow().find("\\'82\\'a8"), std::string::npos);
}

TEST_F(Palette, TheDefaultLogSheetIsSavedBesideTheExecutableAndClosedAtQuit) {
  ui::probe::Click(Main->SpeedButton4);
  ui::probe::Click(Main->SpeedButton4);  // parked below the screen counts as visible
  MainOut->SetCaption("LogSheet");
  Quit(ui::ModalResult::OK);
  EXPECT_TRUE(app->Terminated());
  EXPECT_FALSE(MainOut->Visible());
  EXPECT_TRUE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\LogSheet.Pcr")));
  EXPECT_TRUE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\LogSheet.Bin")));
}

TEST_F(Palette, ALogSheetNamedAfterItsOwnFileIsNotSavedByTheShutdown) {
  ui::probe::Click(Main->SpeedButton4);
  MainOut->SetCaption("C:\\pochira\\日記");
  Quit(ui::ModalResult::OK);
  EXPECT_TRUE(app->Terminated());
  EXPECT_FALSE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\日記.Pcr")));
  EXPECT_FALSE(std::filesystem::exists(ui::headless::HostPath("C:\\pochira\\LogSheet.Pcr")));
}

TEST_F(Palette, AFailedLogSheetSaveEndsTheShutdownWithTheSheetStillOpen) {
  ui::probe::Click(Main->SpeedButton4);
  MainOut->SetCaption("LogSheet");
  ui::headless::SetFileFault([](ui::headless::FileStep step, std::string_view path) {
    if (step == ui::headless::FileStep::Write && path.find("LogSheet") != std::string_view::npos) {
      throw ui::FileError("C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
    }
  });
  ui::probe::Answer(ui::ModalResult::OK);  // the error box
  Quit(ui::ModalResult::OK);
  ui::headless::SetFileFault(nullptr);

  EXPECT_EQ(LastBox(), "C:\\pochira\\LogSheet.Pcr~: ディスクがいっぱいです");
  EXPECT_FALSE(app->Terminated());
  EXPECT_TRUE(MainOut->Visible()) << "the sheet stays open with its notes";
  EXPECT_FALSE(ui::probe::NativeRegistryKeyExists(kPositionKey)) << "the shutdown stopped before the positions";
}

TEST_F(Palette, TheFirstShutdownStoresThePlacesAndTheNextStartRestoresThem) {
  EXPECT_FALSE(ui::probe::NativeRegistryKeyExists(kPositionKey));
  ui::probe::MoveByUser(*Main, {300, 200});
  ui::probe::MoveByUser(*Form1, {500, 400});
  Quit(ui::ModalResult::OK);
  ASSERT_TRUE(app->Terminated());
  app.reset();

  Start();
  EXPECT_EQ(Main->Left(), 300);
  EXPECT_EQ(Main->Top(), 200);
  EXPECT_EQ(Form1->Left(), 500);
  EXPECT_EQ(Form1->Top(), 400);
}
