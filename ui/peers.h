#pragma once
// What the portable controls ask of a backend. Each method is a primitive, ideally one
// platform call; behaviour derived from them is written once, in the portable classes.
// Backends report events back through the portable classes' Handle... entry points.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/file_dialogs.h"
#include "ui/print_dialog.h"
#include "ui/types.h"

namespace ui {

class App;
class Button;
class CheckBox;
class ListBox;
class Form;
class MenuItem;
class Panel;
class SpeedButton;
class Timer;
enum class MsgButtons;
enum class MsgIcon;

// A control with a window of its own on the platform.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void SetBounds(const Bounds& b) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void Invalidate(const Bounds& area) = 0;  // area in client coordinates
  virtual void Update() = 0;                        // paint what is invalid, now
  virtual void Redraw() = 0;                        // the whole window, now, its background kept
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

struct FrameStyle {
  BorderStyle border = BorderStyle::Sizeable;
  unsigned icons = biSystemMenu | biMinimize | biMaximize;
  bool stay_on_top = false;
  friend bool operator==(const FrameStyle&, const FrameStyle&) = default;
};

enum class ImeMode { Hiragana, Off };

class FormPeer : public WindowPeer {
 public:
  virtual void SetImeMode(ImeMode mode) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetFrame(const FrameStyle& frame) = 0;
  virtual void Show(bool activate) = 0;  // visible and in front
  virtual void BringToFront() = 0;
  virtual Bounds WindowBounds() = 0;  // the platform's truth: the user may have moved it
  virtual Size FrameSize() = 0;       // outer size minus client size for the current frame
  // Off the screen or back, without moving, resizing, activating, changing the z-order or the
  // keyboard focus; the platform still counts the window as visible.
  virtual void SetShownInPlace(bool shown) = 0;
  // The pixels the screen shows where the window lies become the background of its surface.
  virtual void CaptureBackdrop() = 0;
  // The menu bar of the items below `root`, or none; the platform runs a menu's handler as it
  // opens and an item's when it is chosen.
  virtual void SetMenu(MenuItem* root) = 0;
};

// A push button of the platform's own.
class ButtonPeer : public WindowPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual void SetDefault(bool on) = 0;  // drawn as the button Enter presses
  virtual void SetFocus() = 0;
};

// A check box of the platform's own; its caption is drawn in the font's colour.
class CheckBoxPeer : public WindowPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual bool Checked() = 0;
  virtual void SetChecked(bool on) = 0;
  virtual void SetFocus() = 0;
};

// A list box of the platform's own, one row selected at most.
class ListBoxPeer : public WindowPeer {
 public:
  virtual void SetItems(const std::vector<std::string>& items) = 0;  // none selected
  virtual int ItemIndex() = 0;                                       // -1 for none
  virtual void SetItemIndex(int index) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual void SetFocus() = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void Schedule(int interval_ms) = 0;  // 0 stops
};

struct BoxRequest;

class AppPeer {
 public:
  virtual ~AppPeer() = default;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void RunLoop() = 0;  // until Quit
  virtual void Quit() = 0;
  virtual void ProcessPending() = 0;  // what is queued, then return
  virtual void RunModal(Form& form, const std::function<bool()>& done) = 0;
  virtual void Post(std::function<void()> call) = 0;
  virtual ModalResult MessageBox(const BoxRequest& box) = 0;
  // The open or save dialog; none when the user cancels it.
  virtual std::optional<FileChoice> FileDialog(const FileRequest& request) = 0;
  virtual PrintDialogAnswer PrintDialog() = 0;
  // The colour dialog with `initial` preselected; none when the user cancels it.
  virtual std::optional<Color> ColorDialog(Color initial) = 0;
  // The font dialog (TrueType faces, with strike-out, underline and colour) showing `initial`;
  // none when the user cancels it.
  virtual std::optional<Font> FontDialog(const Font& initial) = 0;
  virtual void Beep() = 0;
  virtual Size ScreenSize() = 0;
  virtual std::string ExeName() = 0;
  // Tooltips of the whole application.
  virtual void SetHintStyle(Color background, int delay_ms) = 0;
  virtual void SetControlHint(WindowPeer& control, const std::string& hint) = 0;
};

namespace backend {
std::unique_ptr<AppPeer> NewAppPeer(App& app);
std::unique_ptr<FormPeer> NewFormPeer(Form& form);
std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer& parent);
std::unique_ptr<TimerPeer> NewTimerPeer(Timer& timer);
std::unique_ptr<WindowPeer> NewSpeedButtonPeer(SpeedButton& button, WindowPeer& parent);
std::unique_ptr<ButtonPeer> NewButtonPeer(Button& button, WindowPeer& parent);
std::unique_ptr<CheckBoxPeer> NewCheckBoxPeer(CheckBox& box, WindowPeer& parent);
std::unique_ptr<ListBoxPeer> NewListBoxPeer(ListBox& list, WindowPeer& parent);
}  // namespace backend

}  // namespace ui
