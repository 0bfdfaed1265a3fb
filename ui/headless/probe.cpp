#include "ui/probe.h"

#include <stdlib.h>

#include <filesystem>

#include "core/cp932.h"
#include "ui/application.h"
#include "ui/headless/disk.h"
#include "ui/headless/form_peer.h"
#include "ui/headless/menus.h"
#include "ui/headless/peers.h"
#include "ui/headless/registry.h"
#include "ui/headless/text_peer.h"
#include "ui/headless/timer_peer.h"
#include "ui/headless/world.h"

namespace ui::probe {

using headless::PeerOf;
using headless::TheWorld;

// A fresh desktop with a disk of its own, a temporary folder of the host, and the program's
// folder on it.
Session::Session(std::function<void(const std::string&)> on_fault, std::string program) {
  headless::ResetWorld();
  TheWorld().on_fault = std::move(on_fault);
  std::string pattern = (std::filesystem::temp_directory_path() / "pochira-desktop-XXXXXX").string();
  if (!mkdtemp(pattern.data())) headless::Fault("cannot make the desktop's disk folder");
  TheWorld().disk_root = pattern;
  std::filesystem::create_directories(headless::HostPath(core::cp932::ExtractFileDir(program)));
  TheWorld().exe_name = std::move(program);
}

Session::~Session() {
  std::error_code ec;
  if (!TheWorld().disk_root.empty()) std::filesystem::remove_all(TheWorld().disk_root, ec);
  headless::ResetWorld();
}

void Pump() {
  if (Application) Application->ProcessMessages();
}

// Each running timer fires once per elapsed interval of the virtual clock.
void RunFor(int ms) {
  headless::World& w = TheWorld();
  for (int step = 0; step < ms; ++step) {
    ++w.clock_ms;
    headless::FireTimerRound([&](const headless::TimerPeerImpl& t) { return w.clock_ms % t.interval() == 0; });
    Pump();
  }
}

void Answer(ModalResult answer) { TheWorld().message_boxes.answers.push_back(answer); }

std::vector<ShownBox> Boxes() {
  std::vector<ShownBox> shown;
  for (const BoxRequest& b : TheWorld().message_boxes.shown) shown.push_back({b.text, b.title, b.icon});
  return shown;
}

void AnswerFileDialog(std::optional<std::string> name, bool read_only) {
  TheWorld().file_dialogs.answers.push_back({std::move(name), read_only});
}

// The platform's own captions when the program gives none.
std::vector<ShownFileDialog> FileDialogs() {
  std::vector<ShownFileDialog> shown;
  for (const FileRequest& r : TheWorld().file_dialogs.shown) {
    ShownFileDialog d{r.title, r.file_name, {}, r.show_read_only};
    if (d.title.empty()) d.title = r.kind == FileDialogKind::Open ? "開く" : "名前を付けて保存";
    for (const FileType& type : r.types) d.types.push_back(type.description);
    shown.push_back(std::move(d));
  }
  return shown;
}

void AnswerColorDialog(std::optional<Color> chosen) { TheWorld().color_dialogs.answers.push_back(chosen); }
std::vector<Color> ColorDialogs() { return TheWorld().color_dialogs.shown; }
void AnswerFontDialog(std::optional<Font> chosen) { TheWorld().font_dialogs.answers.push_back(std::move(chosen)); }
std::vector<Font> FontDialogs() { return TheWorld().font_dialogs.shown; }

void AnswerPrintDialog(bool print) { TheWorld().print_dialogs.answers.push_back(print); }
int PrintDialogsShown() { return static_cast<int>(TheWorld().print_dialogs.shown.size()); }
int NativePrinterCount() { return static_cast<int>(TheWorld().printers.size()); }

bool NativeVisible(const Form& form) { return PeerOf(form).visible(); }
Bounds NativeBounds(const Form& form) { return PeerOf(form).bounds(); }

Size NativeClientSize(const Form& form) {
  headless::FormPeerImpl& peer = PeerOf(form);
  Size frame = peer.FrameSize();
  return {peer.bounds().width - frame.width, peer.bounds().height - frame.height};
}

std::string NativeCaption(const Form& form) { return PeerOf(form).caption(); }
BorderStyle NativeBorder(const Form& form) { return PeerOf(form).frame().border; }
bool NativeStayOnTop(const Form& form) { return PeerOf(form).frame().stay_on_top; }
ImeMode NativeIme(const Form& form) { return PeerOf(form).ime(); }
int NativeMoves(const Form& form) { return PeerOf(form).moves(); }
int NativeResizes(const Form& form) { return PeerOf(form).resizes(); }
bool NativeOnScreen(const Form& form) { return PeerOf(form).on_screen(); }
int NativePaints(const WinControl& control) { return PeerOf(control).paints(); }
Bounds NativePlace(const WinControl& control) { return PeerOf(control).bounds(); }

std::vector<Form*> NativeWindows() {
  std::vector<Form*> windows;
  for (headless::FormPeerImpl* p : TheWorld().z_order) windows.push_back(&p->form());
  return windows;
}

std::string NativeApplicationTitle() { return TheWorld().title; }

std::string NativeHint(const WinControl& control) {
  auto it = TheWorld().hints.find(control.Peer());
  return it == TheWorld().hints.end() ? std::string() : it->second;
}

Color NativeHintColor() { return TheWorld().hint_color; }
bool NativeFocused(const WinControl& control) { return TheWorld().focus == &control; }
Cursor NativeCursor() { return TheWorld().cursor; }

int NativeFirstVisibleLine(const TextControl& control) {
  return dynamic_cast<const headless::TextPeerImpl&>(*control.Peer()).first_visible_line();
}

Cursor NativeCursorOver(const TextControl& control) {
  return dynamic_cast<const headless::TextPeerImpl&>(*control.Peer()).cursor();
}

// The headless window of a panel asks the panel, as the platform's does.
Cursor NativeCursorOver(const Panel& panel) { return panel.GetCursor(); }
Cursor NativeCursorOver(const OutlineView& view) { return view.GetCursor(); }

// A scroll box's bar, and a text's sunken edge, take from the client area.
Size NativeClientSize(const WinControl& control) {
  const Bounds& b = PeerOf(control).bounds();
  if (dynamic_cast<const ScrollBox*>(&control)) return {b.width - 16, b.height};
  if (const auto* text = dynamic_cast<const headless::TextPeerImpl*>(control.Peer())) {
    const int edge = text->border() ? 2 : 0;
    return {b.width - 2 * edge, b.height - 2 * edge};
  }
  return {b.width, b.height};
}
ScrollBarState NativeScrollBar(const ScrollBox& box) { return headless::ScrollBarOf(box); }
void Scroll(ScrollBox& box, ScrollRequest request, int thumb) { headless::ScrollByUser(box, request, thumb); }
void Wheel(ScrollBox& box, int notches_down) { headless::WheelByUser(box, notches_down); }

HitArea NativeHitTest(const Form& form, Point client) { return PeerOf(form).HitTest(client); }

namespace {
void Describe(const std::vector<headless::BuiltMenuItem>& menu, const std::string& indent,
              std::vector<std::string>& lines) {
  for (const headless::BuiltMenuItem& entry : menu) {
    if (entry.separator) {
      lines.push_back(indent + "-");
      continue;
    }
    lines.push_back(indent + entry.caption + (entry.checked ? " (checked)" : "") + (entry.grayed ? " (disabled)" : ""));
    Describe(entry.submenu, indent + "  ", lines);
  }
}
}  // namespace

std::vector<std::string> NativeMenuBar(const Form& form) {
  std::vector<std::string> lines;
  Describe(PeerOf(form).menu_bar(), "", lines);
  return lines;
}

void ChooseFromMenuBar(Form& form, const std::vector<std::string>& captions) {
  PeerOf(form).ChooseFromMenuBar(captions);
  Pump();
}

std::vector<std::string> NativeMenu(MenuItem& root) {
  std::vector<std::string> lines;
  Describe(headless::BuildMenu(root), "", lines);
  return lines;
}

namespace {

// A point inside a control for a press that only has to land on it.
constexpr Point kInside{5, 5};

// The left button pressed and released at a point of a control's window.
void ClickWindow(WinControl& control, Point at = kInside) {
  PeerOf(control).ButtonDown(MouseButton::Left, at);
  PeerOf(control).ButtonUp(MouseButton::Left, at);
  Pump();
}

// A key pressed and released in a window of a dialog's kind, which is given the keyboard first:
// the window's dialog keys come first, as the platform's message loop offers them to it, and a
// key the window leaves goes down and makes its character in the control.
void PressDialogKey(WinControl& control, int key, unsigned shift) {
  PeerOf(control).TakeFocus();
  TheWorld().shift_held = shift;
  Form* form = control.OwningForm();
  if (form && form->HandleShortCut(key, shift)) {
    TheWorld().shift_held = 0;
    Pump();
    return;
  }
  if (!form || !form->HandleDialogKey(&control, key, shift)) {
    PeerOf(control).KeyDown(key);
    if (std::string_view ch = CharOfKey(key, shift); !ch.empty()) PeerOf(control).Char(ch);
  }
  TheWorld().shift_held = 0;
  Pump();
  PeerOf(control).KeyUp(key);
  Pump();
}

}  // namespace

void Click(SpeedButton& button) { ClickWindow(button); }

std::string NativeCaption(const Button& button) { return headless::PushButtonCaption(button); }

void Click(Button& button) { ClickWindow(button); }
void PressKey(Button& button, int key, unsigned shift) { PressDialogKey(button, key, shift); }

void Click(CheckBox& box) { ClickWindow(box); }
void PressKey(CheckBox& box, int key, unsigned shift) { PressDialogKey(box, key, shift); }

void PressKey(Edit& edit, int key, unsigned shift) { PressDialogKey(edit, key, shift); }

bool NativeChecked(const CheckBox& box) { return dynamic_cast<CheckBoxPeer&>(*box.Peer()).Checked(); }
std::string NativeCaption(const CheckBox& box) { return headless::CheckBoxCaption(box); }
Color NativeCaptionColor(const CheckBox& box) { return headless::CheckBoxTextColor(box); }

void ClickRow(ListBox& list, int row) { ClickWindow(list, headless::ListBoxRowPoint(list, row)); }

void DoubleClickRow(ListBox& list, int row) {
  const Point at = headless::ListBoxRowPoint(list, row);
  PeerOf(list).ButtonDown(MouseButton::Left, at);
  PeerOf(list).ButtonUp(MouseButton::Left, at);
  PeerOf(list).ButtonDoubleClick(MouseButton::Left, at);
  PeerOf(list).ButtonUp(MouseButton::Left, at);
  Pump();
}

std::vector<std::string> NativeItems(const ListBox& list) { return headless::ListBoxRows(list); }
int NativeItemIndex(const ListBox& list) { return dynamic_cast<ListBoxPeer&>(*list.Peer()).ItemIndex(); }

bool NativeVisible(const WinControl& control) { return PeerOf(control).visible(); }
bool NativeEnabled(const WinControl& control) { return PeerOf(control).enabled(); }

ImeMode NativeIme(Edit& edit) {
  Focus(edit);
  return dynamic_cast<const headless::TextPeerImpl&>(*edit.Peer()).ime_on_focus().value_or(ImeMode::Hiragana);
}

void ClickAt(OutlineView& view, Point at) { ClickWindow(view, at); }

int NativeBeeps() { return TheWorld().beeps; }

void DoubleClickAt(OutlineView& view, Point at) {
  PeerOf(view).ButtonDown(MouseButton::Left, at);
  PeerOf(view).ButtonUp(MouseButton::Left, at);
  PeerOf(view).ButtonDoubleClick(MouseButton::Left, at);
  PeerOf(view).ButtonUp(MouseButton::Left, at);
  Pump();
}

// As the platform's message loop offers every key going down to the window's menu bar first.
void PressInWindow(WinControl& control, int key, unsigned shift) {
  PeerOf(control).TakeFocus();
  Form* form = control.OwningForm();
  if (form && form->HandleShortCut(key, shift)) {
    Pump();
    return;
  }
  PressDialogKey(control, key, shift);
}

void KeyDown(OutlineView& view, int key, unsigned shift) {
  TheWorld().shift_held = shift;
  PeerOf(view).KeyDown(key);
  TheWorld().shift_held = 0;
  Pump();
}

void Char(OutlineView& view, std::string_view ch) {
  PeerOf(view).Char(ch);
  Pump();
}

void KeyUp(OutlineView& view, int key) {
  PeerOf(view).KeyUp(key);
  Pump();
}

void Focus(WinControl& control) {
  PeerOf(control).TakeFocus();
  Pump();
}

void KeyDown(TextControl& control, int key) {
  PeerOf(control).KeyDown(key);
  Pump();
}

void Char(TextControl& control, std::string_view ch) {
  PeerOf(control).Char(ch);
  Pump();
}

void KeyUp(TextControl& control, int key) {
  PeerOf(control).KeyUp(key);
  Pump();
}

void MouseDown(WinControl& control, MouseButton button, Point at) {
  PeerOf(control).ButtonDown(button, at);
  Pump();
}

void MouseMove(WinControl& control, Point at) {
  PeerOf(control).MouseMove(at);
  Pump();
}

void MouseUp(WinControl& control, MouseButton button, Point at) {
  PeerOf(control).ButtonUp(button, at);
  Pump();
}

void DragSurface(Form& form, Point client, Point to) {
  PeerOf(form).DragFrom(client, to);
  Pump();
}

void MoveByUser(Form& form, Point to) {
  PeerOf(form).MoveByUser(to);
  Pump();
}

void CloseByUser(Form& form) {
  PeerOf(form).CloseByUser();
  Pump();
}

void PutOnClipboard(const std::string& text) { TheWorld().clipboard = text; }
std::optional<std::string> NativeClipboardText() { return TheWorld().clipboard; }

std::string ScratchFolder() {
  std::filesystem::create_directories(headless::HostPath("C:\\scratch"));
  return "C:\\scratch";
}

void PlantRegistryValue(const std::string& key, const std::string& name, const RegistryValue& value) {
  headless::CreateRegistryKey(key)[headless::RegistryFold(name)] = value;
}

std::optional<RegistryValue> NativeRegistryValue(const std::string& key, const std::string& name) {
  auto k = TheWorld().registry.find(headless::RegistryKeyPath(key));
  if (k == TheWorld().registry.end()) return std::nullopt;
  auto v = k->second.find(headless::RegistryFold(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

bool NativeRegistryKeyExists(const std::string& key) {
  return TheWorld().registry.contains(headless::RegistryKeyPath(key));
}

void DeleteRegistryKey(const std::string& key) { TheWorld().registry.erase(headless::RegistryKeyPath(key)); }

}  // namespace ui::probe
