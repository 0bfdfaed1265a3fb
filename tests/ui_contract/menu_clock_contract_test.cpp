#include "tests/ui_contract/contract_fixture.h"

#include <regex>

#include "ui/clock.h"
#include "ui/menus.h"

// A submenu's handler runs as the submenu is built, before its items are read: what it changes
// is in the menu that opens.
TEST_F(Contract, AMenuIsBuiltWithItsCaptionsSubmenusSeparatorsCheckedAndGrayedItems) {
  ui::MenuItem file{"ﾌｧｲﾙ(&F)"}, open{"ﾌｧｲﾙを開く"}, line{"-"}, print{"印刷"}, edit{"編集(&E)"}, undo{"元に戻す"},
      help{"ヘルプ(&H)"};
  int opened = 0;
  edit.OnClick = [&] {
    ++opened;
    undo.SetEnabled(false);
  };
  file.Add(open);
  file.Add(line);
  file.Add(print);
  edit.Add(undo);
  print.SetChecked(true);
  ui::PopupMenu menu;
  menu.Add(file);
  menu.Add(edit);
  menu.Add(help);

  EXPECT_EQ(ui::probe::NativeMenu(menu.Root()),
            (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "  ﾌｧｲﾙを開く", "  -", "  印刷 (checked)", "編集(&E)",
                                      "  元に戻す (disabled)", "ヘルプ(&H)"}));
  EXPECT_EQ(opened, 1) << "the submenu's handler runs once as it is built";
}

TEST_F(Contract, DatesAndTimesComeInTheJapaneseLocalesFormats) {
  EXPECT_TRUE(std::regex_match(ui::ShortDateText(), std::regex(R"(\d{4}/\d{1,2}/\d{1,2})"))) << ui::ShortDateText();
  EXPECT_TRUE(std::regex_match(ui::LongTimeText(), std::regex(R"(\d{1,2}:\d{2}:\d{2})"))) << ui::LongTimeText();
}
