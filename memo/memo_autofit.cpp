// The memo follows its text on every tick of Timer1: the editor grows with its lines up to the
// fixed size, switches to word wrap at the width limit, the window is sized around it and kept
// on the screen, or creeps across it as a marquee. A tick reads at most eight lines for each line
// it takes in (one, unless the last tick was held up), whatever the length of the text.

#include <algorithm>

#include "memo/memo_size.h"
#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "ui/clock.h"
#include "ui/screen.h"

namespace {

constexpr int kMaxEmptyLinesStepped = 3;
constexpr int kTelopStep = 2;
constexpr int kTelopBeyond = 100;  // how far past the edges the marquee runs

}  // namespace

void TForm1::SetEditorFontName(const char* name) {
  if (Edit1.GetFont().name == name) return;
  ui::Font f = Edit1.GetFont();
  f.name = name;
  Edit1.SetFont(f);
}

namespace {

// What a tick can change that the user sees.
struct Shape {
  int line_counter;
  ui::Bounds window, editor;
  bool title_shown, word_wrap;
  bool operator==(const Shape&) const = default;
};

}  // namespace

void TForm1::Timer1Timer() {
  const unsigned started = ui::Milliseconds();
  auto shape = [this] {
    return Shape{Memo.LineCounter, GetBounds(), Edit1.GetBounds(), Label1.Visible(), Edit1.WordWrap()};
  };
  const Shape before = shape();
  // Every line taken in is measured for the width; the height follows them all at once.
  const int steps = Pace.Steps();
  for (int step = 0; step < steps; ++step) {
    ProbeLines();
    if (Display.flex && Edit1.Width() < Display.haba && !Memo.WidthLocked) FitWidth();
  }
  if (Display.flex) FitHeight(steps > 1);
  // The window's place is asked of the platform once; the tick works on this copy.
  ui::Bounds window = GetBounds();
  window.width = Edit1.Width() + memo::kWindowExtraWidth;
  window.height = Edit1.Height() + memo::kWindowExtraHeight;
  Edit1.SetTop(memo::kEditorTop);
  Edit1.SetLeft(memo::kEditorLeft);
  Label1.SetVisible(!Display.mojikesi);
  Label2.SetVisible(!Display.mojikesi);
  KeepOnScreen(window);
  SetBounds(window);
  Pace.Ticked(shape() != before, ui::Milliseconds() - started);
}

// LineCounter advances by at most one non-empty line a tick, stepping over up to three empty ones.
void TForm1::ProbeLines() {
  int n = Memo.LineCounter;
  for (int step = 0; step <= kMaxEmptyLinesStepped; ++step) {
    if (!Edit1.Line(n + step).empty()) {
      Memo.LineCounter = static_cast<std::uint16_t>(n + step + 1);
      return;
    }
  }
}

// The width only grows here, measured over the lines around LineCounter.
void TForm1::FitWidth() {
  SetEditorFontName(kProportional);
  Edit1.SetWordWrap(false);
  int n = Memo.LineCounter, h = FontPixels();
  if (n < 2) return;
  for (int i = n - 2; i <= n + 1; ++i) {
    int w = measured_.Width(GetFont(), Edit1.Line(i));
    if (w > Edit1.ClientWidth()) Edit1.SetWidth(w + memo::Allowance(h));
    if (Edit1.Width() >= Display.haba) {
      if (Display.fixfont) SetEditorFontName(kFixedPitch);
      Edit1.SetWordWrap(true);
      Edit1.SetWidth(Display.haba);
      return;
    }
  }
}

// Once the editor has reached takasa its height stays until the memo is cleared. Several lines
// taken in at once stop at takasa rather than pass it for a tick.
void TForm1::FitHeight(bool several_lines) {
  if (Edit1.Height() >= Display.takasa) {
    Edit1.SetHeight(Display.takasa);
    Memo.HeightCapped = true;
  } else if (!Memo.HeightCapped) {
    int h = FontPixels();
    int height = h * Memo.LineCounter + memo::Margin(h);
    Edit1.SetHeight(several_lines ? std::min<int>(height, Display.takasa) : height);
  }
}

void TForm1::KeepOnScreen(ui::Bounds& window) {
  int screen_w = ui::Screen::Width(), screen_h = ui::Screen::Height();
  if (Memo.TelopRunning) {
    window.left -= kTelopStep;
    if (window.left < -window.width - kTelopBeyond) window.left = screen_w + kTelopBeyond;
    return;
  }
  if (!Display.gamen || Edit1.Width() >= screen_w || Edit1.Height() >= screen_h) return;
  if (window.Right() > screen_w) window.left = screen_w - window.width;
  if (window.left < 0) window.left = 0;
  if (window.Bottom() > screen_h) window.top = screen_h - window.height;
  if (window.top < 0) window.top = 0;
}
