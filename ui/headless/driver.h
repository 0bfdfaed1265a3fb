#pragma once
// The test's hand on the headless desktop: it fires timers, answers message boxes and modal
// windows, and reads back every window's place, visibility and texts.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/headless/world.h"
#include "ui/outline_view.h"
#include "ui/speed_button.h"
#include "ui/text_controls.h"

namespace ui::headless {

struct WindowInfo {
  const Form* form = nullptr;
  std::string class_name;
  std::string caption;
  Bounds bounds;
  Size client;
  bool visible = false;
  bool stay_on_top = false;
  BorderStyle border = BorderStyle::None;
  std::vector<std::string> texts;  // captions of its labels and panels, in creation order
};

class Driver {
 public:
  // A fresh desktop; `on_fault` hears of dialogs nobody scripted (tests make it a failure).
  explicit Driver(std::function<void(const std::string&)> on_fault);
  ~Driver();

  void SetScreen(Size size) { TheWorld().screen = size; }
  void SetExeName(std::string path) { TheWorld().exe_name = std::move(path); }
  // The host folder that holds the desktop's drives; a fresh temporary one by default.
  const std::string& DiskRoot() const { return TheWorld().disk_root; }

  // The virtual clock: seconds since 1970 for the date and time texts.
  void SetNow(long long seconds) { TheWorld().now = seconds; TheWorld().clock_ms = 0; }
  // The next Random() gives this pick.
  void QueueRandom(int pick) { TheWorld().random_picks.push_back(pick); }

  // What the user does with a text control: typing replaces the selection.
  void Type(TextControl& control, const std::string& text);

  // The focus moves to a control; an outline view hears of it.
  void Focus(WinControl& control);
  // A click into an outline view, which takes the focus first; and the same on a row, counted
  // from the top row of the view.
  void Click(OutlineView& view, Point at);
  void ClickRow(OutlineView& view, int row) { Click(view, {OutlineView::kIndent, row * OutlineView::kRowHeight + 1}); }
  // Everything the user can do with a text control's selection and the clipboard.
  void Cut(TextControl& control) { control.CutToClipboard(); }
  void Paste(TextControl& control) { control.PasteFromClipboard(); }
  // What another program puts on the clipboard.
  void SetClipboard(std::optional<std::string> text) { TheWorld().clipboard = std::move(text); }
  const std::optional<std::string>& ClipboardText() const { return TheWorld().clipboard; }
  const std::vector<Cursor>& CursorsShown() const { return TheWorld().cursors_shown; }
  const Control* Focused() const { return TheWorld().focus; }

  // The next menu that opens gets this choice, by the captions from its top level down.
  void PickFromMenu(std::vector<std::string> captions) { TheWorld().menu_picks.push_back(std::move(captions)); }
  int MenusOpened() const { return TheWorld().menus_opened; }

  // The left button pressed and released over a button.
  void Click(SpeedButton& button);
  std::string HintOf(const WinControl& control) const;
  Color HintColor() const { return TheWorld().hint_color; }
  int HintDelay() const { return TheWorld().hint_delay; }
  ImeMode Ime(const Form& form) const;

  // Events the platform would deliver.
  void FireTimers(int times = 1);
  // Lets `ms` milliseconds pass: each running timer fires once per elapsed interval.
  void Advance(int ms);
  void Pump();
  void CloseByUser(Form& form);
  // A key pressed in a text control: its handler sees it, then the control edits.
  void PressKey(TextControl& control, int key, unsigned shift = 0);
  // Mouse input over a text control, in its client coordinates; a right button's release opens
  // the context menu when its automatic opening is on.
  void MouseDown(TextControl& control, MouseButton button, Point at);
  void MouseMove(TextControl& control, Point at);
  void MouseUp(TextControl& control, MouseButton button, Point at);
  Cursor CursorOver(const TextControl& control) const;
  // A press on a window's own surface at a client point, dragged to a screen point: it moves the
  // window when the window answers the hit test with its caption.
  void DragSurface(Form& form, Point client, Point to);

  // The user drags the window by its caption to a new place.
  void MoveByUser(Form& form, Point to);

  // Another program's window, beneath the program's own and beneath those planted before it.
  ForeignWindow& PlantWindow(const std::string& name, Bounds bounds) {
    return TheWorld().foreign.emplace_back(ForeignWindow{name, bounds});
  }
  // What the desktop's windows have done, in order ("hide TForm1", "repaint Notepad", ...).
  const std::vector<std::string>& DesktopLog() const { return TheWorld().desktop_log; }
  void ClearDesktopLog() { TheWorld().desktop_log.clear(); }
  // The windows whose pixels a form's surface shows as its background, the front one first.
  std::vector<std::string> BackdropOf(const Form& form) const;

  // Message boxes and modal windows.
  void Answer(ModalResult answer) { TheWorld().answers.push_back(answer); }
  void WhenModal(const std::string& class_name, std::function<void(Form&)> script);
  const std::vector<BoxRecord>& Boxes() const { return TheWorld().boxes; }
  int PendingAnswers() const { return static_cast<int>(TheWorld().answers.size()); }

  // What is on the desktop, the front window first.
  std::vector<WindowInfo> Windows() const;
  std::vector<WindowInfo> VisibleWindows() const;
  WindowInfo Window(const Form& form) const;
  int Beeps() const { return TheWorld().beeps; }
  const std::string& ApplicationTitle() const { return TheWorld().title; }
  void OnPaint(std::function<void(const WinControl&)> observer) { TheWorld().on_paint = std::move(observer); }
  const std::vector<PaintRecord>& Paints() const { return TheWorld().paints; }
  // What the text controls have done since the last ResetWork().
  int LineReads() const { return TheWorld().line_reads; }
  int TextExtents() const { return TheWorld().text_extents; }
  int TextLayouts() const { return TheWorld().text_layouts; }
  void ResetWork() { TheWorld().line_reads = TheWorld().text_extents = TheWorld().text_layouts = 0; }

  // The current user's registry; keys as the program names them ("\\Software\\...").
  void PlantRegistryValue(const std::string& key, const std::string& name, RegistryValue value);
  void PlantRegistryDword(const std::string& key, const std::string& name, std::uint32_t value);
  std::optional<RegistryValue> RegistryValueOf(const std::string& key, const std::string& name) const;
  std::optional<std::uint32_t> RegistryDword(const std::string& key, const std::string& name) const;
  bool RegistryKeyExists(const std::string& key) const;
};

}  // namespace ui::headless
