#include <functional>
#include <string>

#include "tests/failure_message.h"
#include "tests/ui_contract/contract_fixture.h"
#include "ui/exception.h"
#include "ui/registry.h"

namespace {
const std::string kParent = "\\Software\\Brenmar";
const std::string kKey = kParent + "\\ぽちーら契約";
const std::string kChild = kKey + "\\ソフト";  // the second byte of "ソ" is the separator byte
}  // namespace

class RegistryContract : public Contract {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    ui::probe::DeleteRegistryKey(kChild);
    ui::probe::DeleteRegistryKey(kKey);
  }
};

TEST_F(RegistryContract, AKeyIsCreatedOnlyWhenAskedAndKeepsItsValuesAcrossOpenings) {
  ui::Registry reg;
  EXPECT_FALSE(reg.OpenKey(kKey, false));
  EXPECT_FALSE(reg.ValueExists("Top"));

  ASSERT_TRUE(reg.OpenKey(kKey, true));
  reg.WriteInteger("Top", 120);
  reg.WriteInteger("Main.Left", -30);
  reg.WriteInteger("Big", 0x7FFFFFFF);
  reg.CloseKey();
  EXPECT_FALSE(reg.ValueExists("Top")) << "no key is open";

  ui::Registry again;
  ASSERT_TRUE(again.OpenKey("\\SOFTWARE\\brenmar\\ぽちーら契約\\", false)) << "paths ignore case";
  EXPECT_TRUE(again.ValueExists("top"));
  EXPECT_FALSE(again.ValueExists("Left"));
  EXPECT_EQ(again.ReadInteger("TOP"), 120);
  EXPECT_EQ(again.ReadInteger("Main.Left"), -30);
  EXPECT_EQ(again.ReadInteger("Big"), 0x7FFFFFFF);

  ASSERT_TRUE(again.OpenKey("ソフト", true)) << "a path without a leading separator is below the open key";
  EXPECT_EQ(again.CurrentPath(), "SOFTWARE\\brenmar\\ぽちーら契約\\ソフト");
  EXPECT_FALSE(again.ValueExists("Top"));
  ASSERT_TRUE(again.OpenKey(kParent, false));
  ASSERT_TRUE(again.OpenKey(kChild, false));
}

TEST_F(RegistryContract, AMissingValueOrOneOfAnotherTypeFailsWithItsName) {
  ui::probe::PlantRegistryString(kKey, "Top", "12");
  ui::Registry reg;
  ASSERT_TRUE(reg.OpenKey(kKey, false));
  EXPECT_TRUE(reg.ValueExists("Top"));
  EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Top"); }), "'Top' のﾃﾞｰﾀ型が不正です");
  EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Left"); }), "'Left' の取得に失敗しました");

  reg.WriteInteger("Top", 5);
  EXPECT_EQ(reg.ReadInteger("Top"), 5) << "a write replaces the type too";

  reg.CloseKey();
  EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Top"); }), "'Top' の取得に失敗しました");
  EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Top", 1); }), "'Top' の設定に失敗しました");
}
