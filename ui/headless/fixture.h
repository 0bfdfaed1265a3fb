#pragma once
// What a test does with the headless desktop beyond ui/probe.h, which both backends offer: what
// the real platform cannot do in a test. The virtual clock and its timers, the screen's size and
// another place for the program, menus and modal windows answered by a script, other programs'
// windows, file faults (ui/headless/disk.h), and counts of the work done.

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/headless/disk.h"
#include "ui/headless/world.h"
#include "ui/text_controls.h"

namespace ui::headless {

// The desktop of a fresh session (ui::probe::Session): the screen's size, and the path the
// program runs from in place of the one the session was given; no folder is made for it.
void SetScreen(Size size);
void SetExeName(std::string path);

// The virtual clock: seconds since 1970 for the date and time texts; the next Random() picks.
void SetNow(long long seconds);
void QueueRandom(int pick);
// Every running timer fires once, `times` over, each round followed by the queued events.
void FireTimers(int times = 1);

// The next menu that opens gets this choice, by the captions from its top level down; and how
// many menus have opened.
void PickFromMenu(std::vector<std::string> captions);
int MenusOpened();
// The next modal window of this class runs the script, which must end it.
void WhenModal(const std::string& class_name, std::function<void(Form&)> script);
// While the next message box is up, before it takes its answer, the script runs: time passing
// in the box's own event loop, where the timers go on ticking (RunFor).
void WhileNextBoxIsUp(std::function<void()> script);

// Another program's window, beneath the program's own and beneath those planted before it.
ForeignWindow& PlantWindow(const std::string& name, Bounds bounds);
// What the desktop's windows have done, in order ("hide TForm1", "repaint Notepad", ...).
const std::vector<std::string>& DesktopLog();
void ClearDesktopLog();
// The windows whose pixels a form's surface shows as its background, the front one first.
std::vector<std::string> BackdropOf(const Form& form);

// Another program holds the clipboard open: reading it fails until it lets go.
void HoldClipboard(bool held);

// A printer on the desktop, the first one installed being the default; the jobs printed.
void InstallPrinter(const std::string& name);
const std::vector<PrintJob>& PrintJobs();

// Every paint, with the texts drawn; an observer hears of each as it ends.
const std::vector<PaintRecord>& Paints();
void OnPaint(std::function<void(const WinControl&)> observer);
// The background colour a text control's window paints with.
Color BackgroundOf(const TextControl& control);
int Beeps();
// Every change of the screen's cursor, in order.
const std::vector<Cursor>& CursorsShown();
// What the text controls have done since the last ResetWork(), and how often any peer was asked
// for a state it holds.
int LineReads();
int TextExtents();
int TextLayouts();
int StateReads();
void ResetWork();

}  // namespace ui::headless
