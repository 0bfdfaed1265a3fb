#pragma once
// The in-memory desktop of the headless backend: a virtual screen and clock, the windows in
// z-order, timers fired by the test, and message boxes and dialogs answered from queues the test
// fills.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialogs.h"
#include "ui/file_dialogs.h"
#include "ui/registry.h"
#include "ui/screen.h"
#include "ui/types.h"

namespace ui {
class Control;
class Form;
class WinControl;
}  // namespace ui

namespace ui::headless {

class FormPeerImpl;
class TimerPeerImpl;

// Tells the test of a dialog nobody scripted, or of another misuse of the desktop.
void Fault(const std::string& what);

// A dialog of the platform's as the test answers it: the answers it scripted, taken in order,
// and what each dialog showed as it opened.
template <class Answer, class Shown>
struct ScriptedDialog {
  std::deque<Answer> answers;
  std::vector<Shown> shown;

  // A dialog opens showing `showing`; the test's next answer, or when it scripted none, the
  // fault is told and `unanswered` given.
  Answer Next(Shown showing, const std::string& fault, Answer unanswered = {}) {
    shown.push_back(std::move(showing));
    if (answers.empty()) {
      Fault(fault);
      return unanswered;
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
};

// A file dialog's scripted answer: the name typed into it, or none for Cancel.
struct FileAnswer {
  std::optional<std::string> name;
  bool read_only = false;
};

// A print job as the headless printer took it: each page's text, its lines joined by CR LF.
struct PrintJob {
  std::string printer;
  std::string document;
  std::vector<std::string> pages;
};

struct PaintRecord {
  const WinControl* control = nullptr;
  std::vector<std::string> texts;  // the texts drawn, in order
};

// A window of another program, beneath the program's own windows.
struct ForeignWindow {
  std::string name;
  Bounds bounds;
  bool visible = true;
  int repaints = 0;
};

struct World {
  Size screen{1024, 768};
  std::string exe_name;   // the path the program runs from, as its test gives it (ui::probe::Session)
  std::string disk_root;  // the host folder that stands for the drives (see disk.h)
  // The current user's registry: keys by folded path (see registry.h here), values by folded name.
  std::map<std::string, std::map<std::string, RegistryValue>> registry;
  std::vector<FormPeerImpl*> z_order;  // the front window first
  std::deque<ForeignWindow> foreign;   // beneath all of the program's windows, the front one first
  // What happened to the windows on the desktop, in order: "hide TForm1", "repaint Notepad",
  // "backdrop TForm1", "show TForm1".
  std::vector<std::string> desktop_log;
  std::vector<TimerPeerImpl*> timers;  // in creation order
  std::deque<std::function<void()>> posted;
  ScriptedDialog<ModalResult, BoxRequest> message_boxes;  // the button pressed
  ScriptedDialog<FileAnswer, FileRequest> file_dialogs;
  std::vector<std::string> printers;  // none until a test installs one
  // OK or Cancel; each showed the default printer.
  ScriptedDialog<bool, std::string> print_dialogs;
  // The colour chosen, or none for Cancel; each showed a colour preselected.
  ScriptedDialog<std::optional<Color>, Color> color_dialogs;
  // The font chosen, or none for Cancel; each opened with a font.
  ScriptedDialog<std::optional<Font>, Font> font_dialogs;
  std::vector<PrintJob> print_jobs;
  std::map<std::string, std::deque<std::function<void(Form&)>>> modal_scripts;  // by class name
  std::deque<std::function<void()>> box_scripts;                                // each run while a message box is up
  std::vector<PaintRecord> paints;
  std::function<void(const WinControl&)> on_paint;
  // A dialog nobody scripted; tests turn this into a failure.
  std::function<void(const std::string&)> on_fault;
  std::string title;
  const Control* focus = nullptr;
  Color hint_color = clInfoBk;
  int hint_delay = 500;
  std::map<const void*, std::string> hints;  // by the control's peer
  long long clock_ms = 0;
  bool durable_disk = false;   // the disk's writes are synced to the device
  long long now = 1796819696;  // 2026/12/09 12:34:56, the virtual clock's start (UTC, no zones)
  std::deque<int> random_picks;
  std::deque<std::vector<std::string>> menu_picks;  // captions from the top of the menu down
  int menus_opened = 0;
  unsigned random_state = 1;
  int beeps = 0;
  unsigned shift_held = 0;  // the modifier keys held down, as ssShift | ssCtrl | ssAlt
  bool quit = false;
  int loop_depth = 0;
  bool clipboard_held = false;           // another program has it open
  std::optional<std::string> clipboard;  // text only; empty optional: nothing on the clipboard
  Cursor cursor = Cursor::Default;
  std::vector<Cursor> cursors_shown;  // every change of the screen's cursor, in order
  // Work done by the text controls, so that a test can bound it per step.
  int line_reads = 0;    // lines read from a text control's peer
  int text_extents = 0;  // widths of a text measured with ui::TextExtent
  int text_layouts = 0;  // whole texts laid out into lines
  int state_reads = 0;   // states asked of a peer: lines, line counts, widths, places, check marks
};

World& TheWorld();
void ResetWorld();

// Deterministic text metrics: a half-width character is h div 2 pixels, a full-width one h.
constexpr int CharWidth(std::size_t bytes, int h) { return bytes == 2 ? h : h / 2; }
int TextWidth(std::string_view text, int h);
Size MeasureText(const Font& font, std::string_view text);

}  // namespace ui::headless
