#pragma once
// What the contract tests ask of whichever backend is linked in: the same test sources run on
// the headless desktop and on the real platform.

#include <functional>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/speed_button.h"
#include "ui/text_controls.h"
#include "ui/outline_view.h"
#include "ui/screen.h"

namespace ui::probe {

// A clean platform for one test; `on_fault` hears of a message box nobody answered.
class Session {
 public:
  explicit Session(std::function<void(const std::string&)> on_fault);
  ~Session();
};

// Dispatches what is waiting in the event queue.
void Pump();
// Dispatches events for about `ms` milliseconds, so that running timers tick.
void RunFor(int ms);
// The next message box is answered with `answer`.
void Answer(ModalResult answer);

struct ShownBox {
  std::string text;   // as the box shows it
  std::string title;
};
std::vector<ShownBox> Boxes();

// The platform's own view of a window.
bool NativeVisible(const Form& form);
Bounds NativeBounds(const Form& form);
Size NativeClientSize(const Form& form);
bool NativeStayOnTop(const Form& form);
int NativePaints(const WinControl& control);
// Moves and resizes of a form's window that the platform reported.
int NativeMoves(const Form& form);
int NativeResizes(const Form& form);
// Whether the window's pixels are on the screen: visible, and not taken off it in place.
bool NativeOnScreen(const Form& form);

// The left button pressed and released over a button, as the platform delivers it.
void Click(SpeedButton& button);
// The tooltip text the platform holds for a control; whether the control has the keyboard.
std::string NativeHint(const WinControl& control);
bool NativeFocused(const WinControl& control);

// What the platform answers for a client point of a window, after the window's own say.
HitArea NativeHitTest(const Form& form, Point client);
// Input as the platform delivers it to a text control: a key going down, the mouse in its
// client coordinates.
void KeyDown(TextControl& control, int key);
void Mouse(TextControl& control, MouseButton button, bool down, Point at);
void MouseMove(TextControl& control, Point at);
// Moves a window as the user's drag would.
void MoveByUser(Form& form, Point to);

// The menu as the platform builds it to open it: one line per item, two spaces of indent per
// submenu level, "-" for a separator, " (disabled)" after a grayed item.
std::vector<std::string> NativeMenu(MenuItem& root);

// The user clicks into an outline view at a point of its client area.
void ClickAt(OutlineView& view, Point at);
// The keyboard focus moves to a control, as a click or the Tab key would move it.
void Focus(WinControl& control);
// The cursor the platform shows now.
Cursor NativeCursor();

// A folder of the platform's for the session's files, empty at first, without a trailing "\\".
std::string ScratchFolder();
// The current user's registry, reached past the toolkit: keys named as the program names them.
void PlantRegistryString(const std::string& key, const std::string& name, const std::string& text);
void DeleteRegistryKey(const std::string& key);  // with its values; it must have no subkeys

}  // namespace ui::probe
