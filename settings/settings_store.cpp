#include "settings/settings_store.h"

#include "core/cp932.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "ui/ini_file.h"
#include "ui/registry.h"

namespace {

void ReadFlag(ui::IniFile& ini, const char* key, bool& flag) { flag = ini.ReadBool(kSettingsSection, key, flag); }

void ReadPixels(ui::IniFile& ini, const char* key, std::uint16_t& pixels) {
  pixels = static_cast<std::uint16_t>(ini.ReadInteger(kSettingsSection, key, pixels));
}

}  // namespace

std::string SettingsFilePath() { return core::cp932::ChangeFileExt(ui::Application->ExeName(), ".ini"); }

void ReadSettings(DisplaySettings& settings, ui::Font& editor_font) {
  ui::IniFile ini(SettingsFilePath());
  ReadSettingsFrom(ini, settings, editor_font);
}

void ReadSettingsFrom(ui::IniFile& ini, DisplaySettings& settings, ui::Font& editor_font) {
  // A size below one pixel would leave the memo arithmetic nothing to divide by: kept as missing.
  int fontsize = ini.ReadInteger(kSettingsSection, "fontsize", 0);
  if (fontsize > 0) editor_font.height = -fontsize;
  ReadPixels(ini, "haba", settings.haba);
  ReadPixels(ini, "takasa", settings.takasa);
  settings.backcolor =
      static_cast<ui::Color>(ini.ReadInteger(kSettingsSection, "backcolor", static_cast<int>(settings.backcolor)));
  ReadFlag(ini, "gamen", settings.gamen);
  ReadFlag(ini, "anime", settings.anime);
  ReadFlag(ini, "fixfont", settings.fixfont);
  ReadFlag(ini, "mojikesi", settings.mojikesi);
  ReadFlag(ini, "fixcolor", settings.fixcolor);
  ReadFlag(ini, "fontcolor", settings.fontcolor);
  ReadFlag(ini, "flex", settings.flex);
  ReadFlag(ini, "hanten", settings.hanten);
  ReadFlag(ini, "Bar", settings.Bar);
  ReadFlag(ini, "fontbold", settings.fontbold);
}

void SaveSettings(const DisplaySettings& settings, const ui::Font& editor_font) {
  ui::IniFile ini(SettingsFilePath());
  ini.WriteInteger(kSettingsSection, "fontsize", -editor_font.height);
  ini.WriteInteger(kSettingsSection, "haba", settings.haba);
  ini.WriteInteger(kSettingsSection, "takasa", settings.takasa);
  ini.WriteInteger(kSettingsSection, "backcolor", static_cast<int>(settings.backcolor));
  ini.WriteBool(kSettingsSection, "hanten", settings.hanten);
  ini.WriteBool(kSettingsSection, "gamen", settings.gamen);
  ini.WriteBool(kSettingsSection, "anime", settings.anime);
  ini.WriteBool(kSettingsSection, "fixfont", settings.fixfont);
  ini.WriteBool(kSettingsSection, "fontcolor", settings.fontcolor);
  ini.WriteBool(kSettingsSection, "mojikesi", settings.mojikesi);
  ini.WriteBool(kSettingsSection, "fixcolor", settings.fixcolor);
  ini.WriteBool(kSettingsSection, "flex", settings.flex);
  ini.WriteBool(kSettingsSection, "Bar", settings.Bar);
  ini.WriteBool(kSettingsSection, "fontbold", settings.fontbold);
}

std::string ReadDate(const std::string& current) {
  return ui::IniFile(SettingsFilePath()).ReadString(kSettingsSection, kDateKey, current);
}

void WriteDate(const std::string& date) {
  ui::IniFile(SettingsFilePath()).WriteString(kSettingsSection, kDateKey, date);
}

std::optional<ui::Point> ReadPosition(const std::string& top_name, const std::string& left_name) {
  ui::Registry reg;
  if (!reg.OpenKey(kPositionKey, false)) return std::nullopt;
  int top = reg.ReadInteger(top_name);
  int left = reg.ReadInteger(left_name);
  return ui::Point{left, top};
}

void WritePositions(int memo_top, int memo_left, int palette_top, int palette_left) {
  ui::Registry reg;
  if (!reg.OpenKey(kPositionKey, true)) throw ui::Exception("'Top' の設定に失敗しました");
  reg.WriteInteger("Top", memo_top);
  reg.WriteInteger("Left", memo_left);
  reg.WriteInteger("Main.Top", palette_top);
  reg.WriteInteger("Main.Left", palette_left);
}
