#include "tests/ui_contract/contract_fixture.h"

#include "ui/file.h"
#include "ui/file_dialogs.h"

namespace {

// A window holds its dialogs as members, as the log sheet window will.
class NotebookForm : public ui::Form {
 public:
  NotebookForm() : ui::Form("TContractForm") {}
  ui::OpenDialog dlOpen;
  ui::SaveDialog dlSave;
};

}  // namespace

TEST_F(Contract, FileDialogsShowTheirTypesAndNameAndHandBackTheFullPathChosen) {
  std::string folder = ui::probe::ScratchFolder();
  ui::WriteFileFlushed(folder + "\\日記.Pcr", "outline");
  NotebookForm& form = *app.Adopt(std::make_unique<NotebookForm>());
  form.Apply({.caption = "ログシート", .size = {400, 300}});
  form.Show();
  ui::probe::Pump();

  // A "ポ" in a description holds a '|' byte that does not split the filter.
  form.dlOpen.SetFilter("アウトライン(*.Pcr)|*.Pcr|ポケット(*.*)|*.*");
  form.dlOpen.SetInitialDir(folder);
  form.dlOpen.SetTitle("ログシートを開く");
  form.dlOpen.SetFileName("前の.Pcr");
  ui::probe::AnswerFileDialog(std::nullopt);
  EXPECT_FALSE(form.dlOpen.Execute()) << "cancelled";
  EXPECT_EQ(form.dlOpen.FileName(), "前の.Pcr") << "a cancelled dialog leaves the name as it was";

  form.dlOpen.SetShowReadOnly(true);
  ui::probe::AnswerFileDialog("日記.Pcr", true);
  ASSERT_TRUE(form.dlOpen.Execute());
  EXPECT_EQ(form.dlOpen.FileName(), folder + "\\日記.Pcr") << "a bare name is taken in the dialog's folder";
  EXPECT_TRUE(form.dlOpen.ReadOnlyChecked());

  form.dlOpen.SetShowReadOnly(false);
  form.dlOpen.SetFileName("");
  ui::probe::AnswerFileDialog(folder + "\\日記.Pcr", true);
  ASSERT_TRUE(form.dlOpen.Execute());
  EXPECT_EQ(form.dlOpen.FileName(), folder + "\\日記.Pcr");
  EXPECT_FALSE(form.dlOpen.ReadOnlyChecked()) << "no box shown, none ticked";

  form.dlSave.SetFilter("アウトライン(*.Pcr)|*.Pcr");
  form.dlSave.SetDefaultExt("Pcr");
  form.dlSave.SetInitialDir(folder);
  form.dlSave.SetTitle("名前を付けて保存");
  form.dlSave.SetFileName("無題.Pcr");
  ui::probe::AnswerFileDialog("新しい");
  ASSERT_TRUE(form.dlSave.Execute());
  EXPECT_EQ(form.dlSave.FileName(), folder + "\\新しい.Pcr") << "the default extension is added to a name without one";

  auto shown = ui::probe::FileDialogs();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].title, "ログシートを開く");
  EXPECT_EQ(shown[0].file_name, "前の.Pcr");
  EXPECT_EQ(shown[0].types, (std::vector<std::string>{"アウトライン(*.Pcr)", "ポケット(*.*)"}));
  EXPECT_FALSE(shown[0].read_only_box);
  EXPECT_TRUE(shown[1].read_only_box);
  EXPECT_FALSE(shown[2].read_only_box);
  EXPECT_EQ(shown[3].title, "名前を付けて保存");
  EXPECT_EQ(shown[3].file_name, "無題.Pcr");
  EXPECT_EQ(shown[3].types, (std::vector<std::string>{"アウトライン(*.Pcr)"}));
  EXPECT_FALSE(shown[3].read_only_box);
}

TEST(FileDialogContract, ADialogNobodyAnsweredIsReportedAndCancelled) {
  std::vector<std::string> faults;
  ui::probe::Session session{[&](const std::string& fault) { faults.push_back(fault); }};
  ui::App app;
  ui::SaveDialog dialog;
  dialog.SetTitle("名前を付けて保存");
  dialog.SetFileName("無題.Pcr");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "無題.Pcr");
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("名前を付けて保存"), std::string::npos) << faults[0];
}
