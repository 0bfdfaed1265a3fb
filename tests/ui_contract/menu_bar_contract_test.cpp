#include "tests/ui_contract/contract_fixture.h"

#include "ui/menus.h"
#include "ui/panel.h"
#include "ui/text_controls.h"
#include "ui/screen.h"

namespace {

// A notebook window's menu bar: a menu that updates its items as it opens, a nested menu, a
// checked item that toggles.
class NotebookForm : public ui::Form {
 public:
  NotebookForm() : ui::Form("TContractForm") {
    MainMenu1.Add(mnFile);
    mnFile.Add(mnOpen);
    mnFile.Add(mnLine);
    mnFile.Add(mnSave);
    mnFile.Add(mnRecent);
    mnRecent.Add(mnRecent1);
    MainMenu1.Add(mnView);
    mnView.Add(mnToolBar);
    mnToolBar.SetChecked(true);
    mnFile.OnClick = [this] {
      ++file_opened;
      mnSave.SetEnabled(modified);
    };
    mnSave.OnClick = [this] { ++saved; };
    mnRecent1.OnClick = [this] { ++recent_opened; };
    mnToolBar.OnClick = [this] { mnToolBar.SetChecked(!mnToolBar.Checked()); };
    Page.SetAlign(ui::Align::Client);
  }
  ui::MainMenu MainMenu1;
  ui::Panel Page{this};  // fills the client area
  ui::MenuItem mnFile{"ファイル(&F)"}, mnOpen{"開く(&O)..."}, mnLine{"-"}, mnSave{"上書き保存(&S)"},
      mnRecent{"最近のファイル(&R)"}, mnRecent1{"日記.Pcr"};
  ui::MenuItem mnView{"表示(&V)"}, mnToolBar{"ツールバー(&T)"};
  bool modified = false;
  int file_opened = 0, saved = 0, recent_opened = 0;
};

}  // namespace

TEST_F(Contract, AMenuBarKeepsTheClientSizeAndRunsItsMenusAsTheyOpen) {
  NotebookForm& form = *app.Adopt(std::make_unique<NotebookForm>());
  form.Apply({.caption = "ログシート", .at = {40, 40}, .client_width = 400, .client_height = 300});
  form.Show();
  ui::probe::Pump();
  int height_without = ui::probe::NativeBounds(form).height;

  form.SetMenu(&form.MainMenu1);
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeClientSize(form), (ui::Size{400, 300})) << "the window grows by the bar";
  EXPECT_GT(ui::probe::NativeBounds(form).height, height_without);
  EXPECT_EQ(ui::probe::NativeMenuBar(form), (std::vector<std::string>{"ファイル(&F)", "表示(&V)"}))
      << "the menus are built as they open";

  ui::probe::ChooseFromMenuBar(form, {"ファイル(&F)", "上書き保存(&S)"});
  EXPECT_EQ(form.file_opened, 1);
  EXPECT_EQ(form.saved, 0) << "the menu's handler grayed the item before it could be chosen";

  form.modified = true;
  ui::probe::ChooseFromMenuBar(form, {"ファイル(&F)", "上書き保存(&S)"});
  EXPECT_EQ(form.file_opened, 2);
  EXPECT_EQ(form.saved, 1);
  EXPECT_EQ(ui::probe::NativeMenuBar(form),
            (std::vector<std::string>{"ファイル(&F)", "  開く(&O)...", "  -", "  上書き保存(&S)",
                                      "  最近のファイル(&R)", "表示(&V)"}));

  ui::probe::ChooseFromMenuBar(form, {"ファイル(&F)", "最近のファイル(&R)", "日記.Pcr"});
  EXPECT_EQ(form.recent_opened, 1);

  ui::probe::ChooseFromMenuBar(form, {"表示(&V)", "ツールバー(&T)"});
  EXPECT_FALSE(form.mnToolBar.Checked());
  ui::probe::ChooseFromMenuBar(form, {"表示(&V)"});
  EXPECT_EQ(ui::probe::NativeMenuBar(form), (std::vector<std::string>{"ファイル(&F)", "表示(&V)", "  ツールバー(&T)"}));
  ui::probe::ChooseFromMenuBar(form, {"表示(&V)", "ツールバー(&T)"});
  ui::probe::ChooseFromMenuBar(form, {"表示(&V)"});
  EXPECT_EQ(ui::probe::NativeMenuBar(form),
            (std::vector<std::string>{"ファイル(&F)", "表示(&V)", "  ツールバー(&T) (checked)"}));

  form.mnView.SetEnabled(false);
  ui::probe::ChooseFromMenuBar(form, {"表示(&V)", "ツールバー(&T)"});
  EXPECT_TRUE(form.mnToolBar.Checked()) << "a grayed menu does not open";
  EXPECT_EQ(ui::probe::NativeMenuBar(form), (std::vector<std::string>{"ファイル(&F)", "表示(&V) (disabled)"}))
      << "the bar shows the items' state as the user goes to it";

  form.SetMenu(nullptr);
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeClientSize(form), (ui::Size{400, 300}));
  EXPECT_EQ(ui::probe::NativeBounds(form).height, height_without);
  EXPECT_TRUE(ui::probe::NativeMenuBar(form).empty());
}

// A window designed by its whole size, frame, caption and menu bar included, as the log sheet is
// drawn: it stays that size on the bottom edge of the screen, and the bar takes its line from
// the client area, which the controls inside still fill.
TEST_F(Contract, AWindowGivenItsWholeSizeKeepsItAndTheMenuBarTakesItsLineFromTheClientArea) {
  // The bar's height, from a window given its client size, which grows by it.
  NotebookForm& by_client = *app.Adopt(std::make_unique<NotebookForm>());
  by_client.Apply({.at = {300, 40}, .client_width = 400, .client_height = 300});
  by_client.Show();
  ui::probe::Pump();
  ui::Bounds bare = ui::probe::NativeBounds(by_client);
  ui::Size frame{bare.width - 400, bare.height - 300};
  by_client.SetMenu(&by_client.MainMenu1);
  ui::probe::Pump();
  int bar = ui::probe::NativeBounds(by_client).height - bare.height;
  ASSERT_GT(bar, 0);

  constexpr int kWidth = 639, kHeight = 229;
  NotebookForm& sheet = *app.Adopt(std::make_unique<NotebookForm>());
  sheet.Apply({.caption = "ログシート", .at = {0, ui::Screen::Height() - kHeight}, .size = {kWidth, kHeight}});
  sheet.SetMenu(&sheet.MainMenu1);
  sheet.Show();
  ui::probe::Pump();
  const ui::Size inside{kWidth - frame.width, kHeight - frame.height - bar};
  EXPECT_EQ(ui::probe::NativeBounds(sheet), (ui::Bounds{0, ui::Screen::Height() - kHeight, kWidth, kHeight}))
      << "the window is as designed, its bottom on the screen's";
  EXPECT_EQ(sheet.GetBounds(), ui::probe::NativeBounds(sheet));
  EXPECT_EQ(ui::probe::NativeClientSize(sheet), inside) << "frame, caption and menu bar inside the design";
  EXPECT_EQ(sheet.ClientSize(), inside);
  EXPECT_EQ(ui::probe::NativeClientSize(sheet.Page), inside) << "the controls follow the client area";
  EXPECT_EQ(ui::probe::NativeHitTest(sheet, {20, inside.height - 1}), ui::HitArea::Client);
  EXPECT_EQ(ui::probe::NativeHitTest(sheet, {20, -3}), ui::HitArea::Other) << "the bar above the client area";
  EXPECT_EQ(ui::probe::NativeHitTest(sheet, {20, -bar - 6}), ui::HitArea::Caption) << "the caption above the bar";

  // A size given later is kept in the same way: the client's grows the window, the whole's not.
  sheet.SetMenu(nullptr);
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeBounds(sheet).height, kHeight);
  EXPECT_EQ(ui::probe::NativeClientSize(sheet.Page).height, kHeight - frame.height);
  sheet.SetClientHeight(150);
  sheet.SetMenu(&sheet.MainMenu1);
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeClientSize(sheet), (ui::Size{inside.width, 150}));
  EXPECT_EQ(ui::probe::NativeBounds(sheet).height, 150 + frame.height + bar);
  sheet.SetHeight(kHeight);
  sheet.SetMenu(nullptr);
  ui::probe::Pump();
  EXPECT_EQ(ui::probe::NativeBounds(sheet).height, kHeight);
  EXPECT_EQ(ui::probe::NativeClientSize(sheet.Page), (ui::Size{inside.width, kHeight - frame.height}));
}

namespace {
// A notebook's search menu, picked by its keys from the text field of the window.
class SearchingForm : public ui::Form {
 public:
  SearchingForm() : ui::Form("TContractForm") {
    MainMenu1.Add(mnEdit);
    for (ui::MenuItem* item : {&mnFind, &mnNext, &mnPrevious}) mnEdit.Add(*item);
    mnFind.SetShortCut('F', ui::ssCtrl);
    mnNext.SetShortCut(ui::kKeyF3);
    mnPrevious.SetShortCut(ui::kKeyF3, ui::ssShift);
    mnEdit.OnClick = [this] {
      ++edit_opened;
      mnNext.SetEnabled(have_text);
    };
    mnFind.OnClick = [this] { picked += "find "; };
    mnNext.OnClick = [this] { picked += "next "; };
    mnPrevious.OnClick = [this] { picked += "previous "; };
    Field.SetBounds({8, 8, 120, 20});
    SetMenu(&MainMenu1);
  }
  ui::MainMenu MainMenu1;
  ui::MenuItem mnEdit{"編集"}, mnFind{"検索..."}, mnNext{"次を検索"}, mnPrevious{"前を検索"};
  ui::Edit Field{this};
  bool have_text = false;
  int edit_opened = 0;
  std::string picked;
};
}  // namespace

TEST_F(Contract, AMenuItemsShortcutShowsBesideItAndPicksItFromAnywhereInTheWindow) {
  SearchingForm& form = *app.Adopt(std::make_unique<SearchingForm>());
  form.Apply({.caption = "ログシート", .at = {40, 40}, .client_width = 300, .client_height = 100});
  form.Show();
  ui::probe::ChooseFromMenuBar(form, {"編集"});
  EXPECT_EQ(ui::probe::NativeMenuBar(form), (std::vector<std::string>{"編集", "  検索...\tCtrl+F", "  次を検索\tF3 (disabled)",
                                                                       "  前を検索\tShift+F3"}));
  ui::probe::ChooseFromMenuBar(form, {"編集", "検索..."});
  EXPECT_EQ(form.picked, "find ") << "an item is chosen by its caption alone";

  form.picked.clear();
  form.edit_opened = 0;
  ui::probe::PressInWindow(form.Field, 'F', ui::ssCtrl);
  ui::probe::PressInWindow(form.Field, ui::kKeyF3);  // grayed by the menu's handler: nothing
  form.have_text = true;
  ui::probe::PressInWindow(form.Field, ui::kKeyF3);
  ui::probe::PressInWindow(form.Field, ui::kKeyF3, ui::ssShift);
  ui::probe::PressInWindow(form.Field, ui::kKeyF3, ui::ssCtrl);  // no item has Ctrl+F3
  EXPECT_EQ(form.picked, "find next previous ");
  EXPECT_EQ(form.edit_opened, 4) << "the menu's handler runs first, as opening it would";
  EXPECT_EQ(form.Field.Text(), "") << "a key that picked an item goes no further";
}
