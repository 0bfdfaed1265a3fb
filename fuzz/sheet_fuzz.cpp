// The log sheet's whole load (recovery, .Pcr, .Txt, .Bin, then the sheet shown) on the three
// files cut from one input at the marks below. A set that cannot be read is refused with a
// message, and the sheet on screen is then left as it was.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/error.h"
#include "logsheet/log_sheet_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

namespace {

constexpr std::string_view kTxtMark = "\n==Txt==\n";
constexpr std::string_view kBinMark = "\n==Bin==\n";
constexpr char kBase[] = "C:\\notes\\sheet";

struct StandIn : ui::Form {
  StandIn() : ui::Form("TMain") {}
};

struct Desktop {
  ui::probe::Session session{[](const std::string&) { std::abort(); }, kProgramPath};
  ui::App app;
  StandIn* palette = nullptr;
  Desktop() {
    app.CreateForm(palette);
    app.CreateForm(MainOut);
    std::filesystem::create_directories(ui::headless::HostPath("C:\\notes"));
  }
};

// The part of `input` before `mark`, and the rest after it; all of it when there is no mark.
std::string_view Cut(std::string_view& input, std::string_view mark) {
  std::size_t at = input.find(mark);
  std::string_view part = input.substr(0, at);
  input = at == std::string_view::npos ? std::string_view() : input.substr(at + mark.size());
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Desktop* desktop = new Desktop;  // one desktop for the whole run
  (void)desktop;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string base = kBase;
  ui::ReplaceFileBytes(base + ".Pcr", Cut(input, kTxtMark));
  ui::ReplaceFileBytes(base + ".Txt", Cut(input, kBinMark));
  ui::ReplaceFileBytes(base + ".Bin", input);

  MainOut->NewSheet();
  const int items_before = MainOut->olTree.Items().Count();
  try {
    MainOut->LoadSheet(base);
  } catch (const core::Error& e) {
    if (std::string_view(e.what()).empty()) std::abort();
    if (MainOut->olTree.Items().Count() != items_before || MainOut->Caption() != kNewSheetCaption) std::abort();
    return 0;
  }
  // A loaded sheet has an item selected, and every item's note lies within the lines read.
  auto& items = MainOut->olTree.Items();
  if (items.Count() == 0 || items.Selected() < 1) std::abort();
  for (int i = 1; i <= items.Count(); ++i) (void)MainOut->Notes.NoteOf(MainOut->SpanOf(i));
  return 0;
}
