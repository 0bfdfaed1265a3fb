#include "tests/ui_contract/contract_fixture.h"

#include "ui/menus.h"

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
  }
  ui::MainMenu MainMenu1;
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
            (std::vector<std::string>{"ファイル(&F)", "  開く(&O)...", "  -", "  上書き保存(&S)", "  最近のファイル(&R)",
                                      "表示(&V)"}));

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
