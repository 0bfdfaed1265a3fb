// The settings file's reading on any bytes as pochira.ini, in memory: every value is read or left
// at its default, and a key written by the program's own writer (the date, at every quit) reads
// back as written and leaves every other value as it was read.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "ui/headless/ini_text.h"
#include "ui/ini_file.h"

namespace {

// The file's format over bytes in memory, as the headless desktop's file peer reads it.
class TextPeer : public ui::IniPeer {
 public:
  explicit TextPeer(ui::headless::IniText& text) : text_(text) {}
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) override {
    return text_.Read(section, key, default_value);
  }
  bool WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    text_.Write(section, key, value);
    text_ = ui::headless::IniText(text_.Bytes());  // written out and read in again, as a file is
    return true;
  }

 private:
  ui::headless::IniText& text_;
};

struct Read {
  DisplaySettings display;
  ui::Font font{"ＭＳ ゴシック", -12, 0, ui::clBlack};
  std::string date;
};

Read ReadAll(ui::IniFile& ini) {
  Read r;
  ReadSettingsFrom(ini, r.display, r.font);
  r.date = ini.ReadString(kSettingsSection, kDateKey, "none");
  return r;
}

bool Same(const Read& a, const Read& b) {
  const DisplaySettings &x = a.display, &y = b.display;
  return a.font.height == b.font.height && x.haba == y.haba && x.takasa == y.takasa && x.backcolor == y.backcolor &&
         x.gamen == y.gamen && x.anime == y.anime && x.fixfont == y.fixfont && x.mojikesi == y.mojikesi &&
         x.fixcolor == y.fixcolor && x.fontcolor == y.fontcolor && x.flex == y.flex && x.hanten == y.hanten &&
         x.Bar == y.Bar && x.fontbold == y.fontbold;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ui::headless::IniText text{std::string(reinterpret_cast<const char*>(data), size)};
  ui::IniFile ini("C:\\pochira\\pochira.ini", std::make_unique<TextPeer>(text));
  Read first = ReadAll(ini);
  if (first.font.height >= 0) std::abort();
  ini.WriteString(kSettingsSection, kDateKey, "2026/12/9");
  Read again = ReadAll(ini);
  if (!Same(first, again) || again.date != "2026/12/9") std::abort();
  return 0;
}
