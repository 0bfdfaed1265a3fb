#include "tests/ui_contract/contract_fixture.h"

#include "ui/dialogs.h"

TEST_F(Contract, MessageBoxesShowTheirTextAndReturnTheButtonPressed) {
  app.SetTitle("ぽち ── ら");
  ui::probe::Answer(ui::ModalResult::Cancel);
  ui::probe::Answer(ui::ModalResult::No);
  ui::probe::Answer(ui::ModalResult::OK);

  EXPECT_EQ(ui::MessageBox("ぽち～らを終了しますか？", "確認", ui::MsgButtons::OKCancel, ui::MsgIcon::Question),
            ui::ModalResult::Cancel);
  EXPECT_EQ(ui::MessageBox("ログシートをセーブしますか ?", "確認", ui::MsgButtons::YesNoCancel, ui::MsgIcon::Warning),
            ui::ModalResult::No);
  ui::ShowMessage("自動保存しませんでした");

  auto boxes = ui::probe::Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, "ぽち～らを終了しますか？");
  EXPECT_EQ(boxes[0].title, "確認");
  EXPECT_EQ(boxes[0].icon, ui::MsgIcon::Question);
  EXPECT_EQ(boxes[1].icon, ui::MsgIcon::Warning);
  EXPECT_EQ(boxes[2].icon, ui::MsgIcon::None);
  EXPECT_EQ(boxes[1].text, "ログシートをセーブしますか ?");
  EXPECT_EQ(boxes[2].text, "自動保存しませんでした");
  EXPECT_EQ(boxes[2].title, "ぽち ── ら") << "a plain message goes under the application's title";
}
