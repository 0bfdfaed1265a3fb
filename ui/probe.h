#pragma once
// The test's hand on whichever backend is linked in: the same test sources run on the headless
// desktop and on the real platform. It gives input as the user gives it, raw (buttons, keys,
// characters, the pointer), for the platform to deliver; and it reads back what the platform
// holds, past the toolkit's portable side. What only the headless desktop can do in a test is
// in ui/headless/fixture.h.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/dialogs.h"
#include "ui/file_dialogs.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menus.h"
#include "ui/outline_view.h"
#include "ui/panel.h"
#include "ui/registry.h"
#include "ui/screen.h"
#include "ui/scroll_box.h"
#include "ui/speed_button.h"
#include "ui/text_controls.h"

namespace ui::probe {

// A clean platform for one test; `on_fault` hears of a message box or a modal window nobody
// answered. `program` is the path the program runs from where a test places it: on the headless
// desktop, whose disk then holds its folder; the toolkit knows no program folder of its own, and
// without one the program has none. The real platform runs the program from where its
// executable lies, and takes no path from the test.
class Session {
 public:
  explicit Session(std::function<void(const std::string&)> on_fault, std::string program = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

// Dispatches what is waiting in the event queue.
void Pump();
// Dispatches events for about `ms` milliseconds, so that running timers tick.
void RunFor(int ms);

// Message boxes: the next one is answered with `answer`; those shown, in order.
void Answer(ModalResult answer);
struct ShownBox {
  std::string text;  // as the box shows it
  std::string title;
  MsgIcon icon = MsgIcon::None;
};
std::vector<ShownBox> Boxes();

// Open and save dialogs: the next one gets `name` typed into its name field (a bare name is
// taken in the folder the dialog shows), the read-only box ticked if asked, and OK pressed; no
// name presses Cancel. Those shown, in order, as they looked before the answer.
void AnswerFileDialog(std::optional<std::string> name, bool read_only = false);
struct ShownFileDialog {
  std::string title;
  std::string file_name;           // in the name field
  std::vector<std::string> types;  // the file types' descriptions, as listed
  bool read_only_box = false;      // whether the read-only check box is shown
};
std::vector<ShownFileDialog> FileDialogs();

// The print dialog: the next one is answered with OK (print) or Cancel; how many were shown.
// The printers the platform knows of.
void AnswerPrintDialog(bool print);
int PrintDialogsShown();
int NativePrinterCount();

// The colour dialog: the next one gets `chosen` set in it and OK pressed; none presses Cancel.
// The colour each one showed preselected, in order.
void AnswerColorDialog(std::optional<Color> chosen);
std::vector<Color> ColorDialogs();

// The font dialog: the next one gets the face, size, style and colour of `chosen` picked in its
// lists and boxes and OK pressed; none presses Cancel. The font each one showed as it opened.
// The platform's dialog offers sizes in whole points and its sixteen colours only.
void AnswerFontDialog(std::optional<Font> chosen);
std::vector<Font> FontDialogs();

// The platform's own view of a window.
bool NativeVisible(const Form& form);
Bounds NativeBounds(const Form& form);
Size NativeClientSize(const Form& form);
std::string NativeCaption(const Form& form);
BorderStyle NativeBorder(const Form& form);
bool NativeStayOnTop(const Form& form);
ImeMode NativeIme(const Form& form);
// Moves and resizes of a form's window that the platform reported.
int NativeMoves(const Form& form);
int NativeResizes(const Form& form);
// Whether the window's pixels are on the screen: visible, and not taken off it in place.
bool NativeOnScreen(const Form& form);
int NativePaints(const WinControl& control);
// A control's window in its parent's client area.
Bounds NativePlace(const WinControl& control);
// The program's windows as the platform lists them, the front one first, hidden ones too.
std::vector<Form*> NativeWindows();
// The application's title, as its window on the platform bears it.
std::string NativeApplicationTitle();

// The beeps the program has asked the platform to sound since the program started.
int NativeBeeps();

// The tooltip text the platform holds for a control, and the tooltips' background.
std::string NativeHint(const WinControl& control);
Color NativeHintColor();
// Whether the control has the keyboard.
bool NativeFocused(const WinControl& control);
// The first line of a text control that its window shows.
int NativeFirstVisibleLine(const TextControl& control);
// The cursor the platform shows now, and the one a text control shows while the pointer is on it.
Cursor NativeCursor();
Cursor NativeCursorOver(const TextControl& control);
Cursor NativeCursorOver(const Panel& panel);
Cursor NativeCursorOver(const OutlineView& view);

// A control's client area as the platform has it, and a scroll box's bar; the user's use of the
// bar (the thumb dragged to `thumb` for Thumb) and of the wheel over the box.
Size NativeClientSize(const WinControl& control);
ScrollBarState NativeScrollBar(const ScrollBox& box);
void Scroll(ScrollBox& box, ScrollRequest request, int thumb = 0);
void Wheel(ScrollBox& box, int notches_down);

// What the platform answers for a client point of a window, after the window's own say.
HitArea NativeHitTest(const Form& form, Point client);
// The menu as the platform builds it to open it: one line per item, two spaces of indent per
// submenu level, "-" for a separator, " (checked)" after a checked item, " (disabled)" after a
// grayed one.
std::vector<std::string> NativeMenu(MenuItem& root);
// A window's menu bar as the platform holds it, in the same lines: its menus as they were built
// when they last opened, none before.
std::vector<std::string> NativeMenuBar(const Form& form);
// The user goes to a window's menu bar and opens its menus down the captions, as written with
// their "&", choosing the last; a grayed entry on the way stops the choice.
void ChooseFromMenuBar(Form& form, const std::vector<std::string>& captions);

// Input as the platform delivers it, the pointer in the control's client coordinates. Each
// dispatches what it caused before it returns.
// The left button pressed and released over a button.
void Click(SpeedButton& button);
// The left button pressed and released over a push button.
void Click(Button& button);
// The caption a push button's window shows.
std::string NativeCaption(const Button& button);
// A key pressed and released while a push button has the keyboard (it is given it first), with
// the modifier keys in `shift` held; the window sees the key before the button does.
void PressKey(Button& button, int key, unsigned shift = 0);
// A check box: the left button pressed and released over it, a key while it has the keyboard
// (given to it first; the window sees the key before the box does), and what its window holds:
// the tick, the caption, and the colour the caption is drawn in.
void Click(CheckBox& box);
void PressKey(CheckBox& box, int key, unsigned shift = 0);
bool NativeChecked(const CheckBox& box);
std::string NativeCaption(const CheckBox& box);
Color NativeCaptionColor(const CheckBox& box);
// A list box: the left button pressed and released on a row; its rows and selected row (-1 for
// none) as its window holds them.
void ClickRow(ListBox& list, int row);
void DoubleClickRow(ListBox& list, int row);
std::vector<std::string> NativeItems(const ListBox& list);
int NativeItemIndex(const ListBox& list);
// Whether a control's window is shown (its own flag) and takes input.
bool NativeVisible(const WinControl& control);
bool NativeEnabled(const WinControl& control);
// A key pressed and released while a single-line edit has the keyboard (it is given it first),
// making its character; the window sees the key before the edit does.
void PressKey(Edit& edit, int key, unsigned shift = 0);
// Whether the input method is open for a single-line edit once it has the keyboard.
ImeMode NativeIme(Edit& edit);
// The left button pressed and released at a point of an outline view.
void ClickAt(OutlineView& view, Point at);
// The left button double-clicked at a point of an outline view: pressed, released, pressed again
// as the platform reports a double-click, released.
void DoubleClickAt(OutlineView& view, Point at);
// The keyboard in an outline view: a key going down while the modifier keys in `shift` (ssShift,
// ssCtrl, ssAlt) are held, a character, a key coming up.
void KeyDown(OutlineView& view, int key, unsigned shift = 0);
void Char(OutlineView& view, std::string_view ch);
void KeyUp(OutlineView& view, int key);
// A key pressed and released, making its character as the platform does: Enter and the numeric
// keypad's "+", "-" and "*" make one unless Ctrl or Alt is held.
void PressKey(OutlineView& view, int key, unsigned shift = 0);
// The keyboard focus moves to a control, as a click or the Tab key would move it.
void Focus(WinControl& control);
// The keyboard in a text control: a key going down, a character (one byte, or a double-byte
// pair as the input method gives it), a key coming up.
void KeyDown(TextControl& control, int key);
void Char(TextControl& control, std::string_view ch);
void KeyUp(TextControl& control, int key);
// A key pressed and released: its key going down, the character it makes (Backspace, Tab, Enter
// and Escape make one), its key coming up.
void PressKey(TextControl& control, int key);
// A key pressed with the keyboard in a control, through the message loop as the user's: the
// window's menu bar takes the keys of its items' shortcuts before the control hears them.
void PressInWindow(WinControl& control, int key, unsigned shift = 0);
// The character the keyboard makes of a key as the platform translates key presses, for the keys
// that tests press (Backspace, Tab, Enter, Escape, the numeric keypad's "*", "+" and "-"); none
// for the others, nor while Ctrl or Alt is held in `shift`.
std::string_view CharOfKey(int key, unsigned shift = 0);
// Characters typed one by one; CP932, "\r" for Enter.
void Type(TextControl& control, std::string_view text);
void MouseDown(WinControl& control, MouseButton button, Point at);
void MouseMove(WinControl& control, Point at);
void MouseUp(WinControl& control, MouseButton button, Point at);
// A press of the left button on a window's own surface at a client point, dragged to a screen
// point: the platform moves the window when its hit test answers caption there.
void DragSurface(Form& form, Point client, Point to);
// Moves a window as the user's drag by its caption would.
void MoveByUser(Form& form, Point to);
// The user asks a window to close, by its close box or system menu.
void CloseByUser(Form& form);

// The system clipboard, as another program reaches it.
void PutOnClipboard(const std::string& text);
std::optional<std::string> NativeClipboardText();

// A folder of the platform's for the session's files, empty at first, without a trailing "\\".
std::string ScratchFolder();

// The current user's registry, reached past the toolkit: keys named as the program names them
// ("\\Software\\..."), values as type and bytes.
void PlantRegistryValue(const std::string& key, const std::string& name, const RegistryValue& value);
void PlantRegistryString(const std::string& key, const std::string& name, const std::string& text);
void PlantRegistryDword(const std::string& key, const std::string& name, std::uint32_t value);
std::optional<RegistryValue> NativeRegistryValue(const std::string& key, const std::string& name);
// A value of the DWORD type; none for another type.
std::optional<std::uint32_t> NativeRegistryDword(const std::string& key, const std::string& name);
bool NativeRegistryKeyExists(const std::string& key);
void DeleteRegistryKey(const std::string& key);  // with its values; it must have no subkeys

}  // namespace ui::probe
