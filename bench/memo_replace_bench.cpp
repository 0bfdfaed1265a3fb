// "全て置換" on a memo of about 1 MB (50,000 lines, one occurrence on each of `n` of them) on the
// headless desktop: the editor's replace of every occurrence at once, against two plain searches
// and copies of the same bytes as references: the byte search of the standard library
// (std::string_view::find), and a walk of the text character by character that matches as the
// editor does (whole characters, half-width letters in either case) and copies between hits.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/probe.h"
#include "ui/text_controls.h"

namespace {

constexpr int kLines = 50'000;

std::string MemoText(int occurrences) {
  std::string text;
  const int every = kLines / occurrences;
  for (int i = 0; i < kLines; ++i) text += i % every == 0 ? "ぽちpochi.........\r\n" : "ほかの行..........\r\n";
  return text;
}

class MemoForm : public ui::Form {
 public:
  MemoForm() : ui::Form("TBenchMemo") { SetBounds({100, 100, 300, 260}); }
  ui::RichEdit Edit1{this};
};

struct Desk {
  Desk() {
    app.CreateForm(form);
    form->Show();
  }
  ui::probe::Session session{[](const std::string&) {}};
  ui::App app;
  MemoForm* form = nullptr;
};

Desk& TheDesk() {
  static auto* desk = new Desk;
  return *desk;
}

void ReplaceEvery(benchmark::State& state) {
  ui::RichEdit& edit = TheDesk().form->Edit1;
  const std::string text = MemoText(static_cast<int>(state.range(0)));
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    edit.SetText(text);
    state.ResumeTiming();
    count = edit.ReplaceEvery("pochi", "POCHI!", 0);
  }
  if (count != state.range(0)) state.SkipWithError("not every occurrence was replaced");
}

void PlainSearchAndCopy(benchmark::State& state) {
  const std::string text = MemoText(static_cast<int>(state.range(0)));
  std::string out;
  for (auto _ : state) {
    out.clear();
    std::string_view rest = text;
    for (std::size_t at; (at = rest.find("pochi")) != std::string_view::npos; rest.remove_prefix(at + 5)) {
      out.append(rest.substr(0, at));
      out += "POCHI!";
    }
    out.append(rest);
    benchmark::DoNotOptimize(out.data());
  }
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
bool Lead(char c) {
  auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

void CharacterWalkAndCopy(benchmark::State& state) {
  const std::string text = MemoText(static_cast<int>(state.range(0)));
  const std::string_view find = "pochi";
  std::string out;
  for (auto _ : state) {
    out.clear();
    std::size_t copied = 0;
    for (std::size_t i = 0; i + find.size() <= text.size();) {
      std::size_t k = 0;
      while (k < find.size() && Lower(text[i + k]) == find[k]) ++k;
      if (k == find.size()) {
        out.append(text, copied, i - copied);
        out += "POCHI!";
        i += find.size();
        copied = i;
      } else {
        i += Lead(text[i]) ? 2 : 1;
      }
    }
    out.append(text, copied);
    benchmark::DoNotOptimize(out.data());
  }
}

BENCHMARK(ReplaceEvery)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSearchAndCopy)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
BENCHMARK(CharacterWalkAndCopy)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

}  // namespace
