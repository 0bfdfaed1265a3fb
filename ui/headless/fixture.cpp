#include "ui/headless/fixture.h"

#include "ui/application.h"
#include "ui/headless/form_peer.h"
#include "ui/headless/text_peer.h"
#include "ui/headless/timer_peer.h"

namespace ui::headless {

void SetScreen(Size size) { TheWorld().screen = size; }
void SetExeName(std::string path) { TheWorld().exe_name = std::move(path); }

void SetNow(long long seconds) {
  TheWorld().now = seconds;
  TheWorld().clock_ms = 0;
}

void QueueRandom(int pick) { TheWorld().random_picks.push_back(pick); }

void FireTimers(int times) {
  for (int i = 0; i < times; ++i) {
    FireTimerRound([](const TimerPeerImpl&) { return true; });
    if (Application) Application->ProcessMessages();
  }
}

void HoldClipboard(bool held) { TheWorld().clipboard_held = held; }
void InstallPrinter(const std::string& name) { TheWorld().printers.push_back(name); }
const std::vector<PrintJob>& PrintJobs() { return TheWorld().print_jobs; }

void PickFromMenu(std::vector<std::string> captions) { TheWorld().menu_picks.push_back(std::move(captions)); }
int MenusOpened() { return TheWorld().menus_opened; }

void WhenModal(const std::string& class_name, std::function<void(Form&)> script) {
  TheWorld().modal_scripts[class_name].push_back(std::move(script));
}

void WhileNextBoxIsUp(std::function<void()> script) { TheWorld().box_scripts.push_back(std::move(script)); }

ForeignWindow& PlantWindow(const std::string& name, Bounds bounds) {
  return TheWorld().foreign.emplace_back(ForeignWindow{name, bounds});
}

const std::vector<std::string>& DesktopLog() { return TheWorld().desktop_log; }
void ClearDesktopLog() { TheWorld().desktop_log.clear(); }
std::vector<std::string> BackdropOf(const Form& form) { return PeerOf(form).backdrop(); }

const std::vector<PaintRecord>& Paints() { return TheWorld().paints; }
void OnPaint(std::function<void(const WinControl&)> observer) { TheWorld().on_paint = std::move(observer); }

Color BackgroundOf(const TextControl& control) {
  return dynamic_cast<const TextPeerImpl&>(*control.Peer()).background();
}

int Beeps() { return TheWorld().beeps; }
const std::vector<Cursor>& CursorsShown() { return TheWorld().cursors_shown; }

int LineReads() { return TheWorld().line_reads; }
int TextExtents() { return TheWorld().text_extents; }
int TextLayouts() { return TheWorld().text_layouts; }
int StateReads() { return TheWorld().state_reads; }
void ResetWork() {
  World& w = TheWorld();
  w.line_reads = w.text_extents = w.text_layouts = w.state_reads = 0;
}

}  // namespace ui::headless
