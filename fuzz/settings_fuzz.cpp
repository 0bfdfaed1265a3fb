// The settings file's reader on any bytes as pochira.ini: every value is read or left at its
// default, and a key written by the program's own writer (the date, at every quit) reads back
// as written and leaves every other value as it was read.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

struct Desktop {
  ui::probe::Session session{[](const std::string&) { std::abort(); }, kProgramPath};
  ui::App app;
};

struct Read {
  DisplaySettings display;
  ui::Font font{"ＭＳ ゴシック", -12, 0, ui::clBlack};
  std::string date;
};

Read ReadAll() {
  Read r;
  ReadSettings(r.display, r.font);
  r.date = ReadDate("none");
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
  static Desktop* desktop = new Desktop;  // one desktop for the whole run
  (void)desktop;
  ui::ReplaceFileBytes(SettingsFilePath(), std::string_view(reinterpret_cast<const char*>(data), size));
  Read first = ReadAll();
  if (first.font.height >= 0) std::abort();
  WriteDate("2026/12/9");
  Read again = ReadAll();
  if (!Same(first, again) || again.date != "2026/12/9") std::abort();
  return 0;
}
