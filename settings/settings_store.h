#pragma once
// The settings file beside the executable and the position key of the current user: what is
// stored under which name, in which order, and what a missing entry leaves.

#include <optional>
#include <string>

#include "settings/display_settings.h"
#include "ui/ini_file.h"
#include "ui/types.h"

inline constexpr char kSettingsSection[] = "Option:Form1";
inline constexpr char kPositionKey[] = "\\Software\\Brenmar\\ぽちーら";

// The executable's path with its extension replaced by ".ini".
std::string SettingsFilePath();

// Keys present and holding a whole number replace the values; missing ones leave them.
void ReadSettings(DisplaySettings& settings, ui::Font& editor_font);
// The same reading from a settings file already open.
void ReadSettingsFrom(ui::IniFile& ini, DisplaySettings& settings, ui::Font& editor_font);
// All fourteen display keys, fontsize first and fontbold last; a failure stops at that key.
void SaveSettings(const DisplaySettings& settings, const ui::Font& editor_font);

// The date under `hiduke`, or `current` when there is none.
std::string ReadDate(const std::string& current);
void WriteDate(const std::string& date);
inline constexpr char kDateKey[] = "hiduke";

// A window's place under the position key; nothing when the key does not exist. A key that lacks
// a value or holds another type throws the registry's message.
std::optional<ui::Point> ReadPosition(const std::string& top_name, const std::string& left_name);
// Creates the key when missing.
void WritePositions(int memo_top, int memo_left, int palette_top, int palette_left);
