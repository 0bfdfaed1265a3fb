#include "ui/probe.h"

#include <filesystem>

#include "ui/headless/driver.h"
#include "ui/headless/disk.h"
#include "ui/headless/peers.h"
#include "ui/headless/registry.h"

namespace ui::probe {

namespace {
headless::Driver* driver = nullptr;
}

Session::Session(std::function<void(const std::string&)> on_fault) {
  driver = new headless::Driver(std::move(on_fault));
}

Session::~Session() {
  delete driver;
  driver = nullptr;
}

void Pump() { driver->Pump(); }
void RunFor(int ms) { driver->Advance(ms); }
void Answer(ModalResult answer) { driver->Answer(answer); }

std::vector<ShownBox> Boxes() {
  std::vector<ShownBox> shown;
  for (auto& b : driver->Boxes()) shown.push_back({b.request.text, b.request.title});
  return shown;
}

bool NativeVisible(const Form& form) { return driver->Window(form).visible; }
Bounds NativeBounds(const Form& form) { return driver->Window(form).bounds; }
Size NativeClientSize(const Form& form) { return driver->Window(form).client; }
void Click(SpeedButton& button) { driver->Click(button); }
std::string NativeHint(const WinControl& control) { return driver->HintOf(control); }
bool NativeFocused(const WinControl& control) { return driver->Focused() == &control; }

HitArea NativeHitTest(const Form& form, Point) { return const_cast<Form&>(form).HitTest(HitArea::Client); }
void KeyDown(TextControl& control, int key) { driver->PressKey(control, key); }
void Mouse(TextControl& control, MouseButton button, bool down, Point at) {
  if (down) driver->MouseDown(control, button, at);
  else driver->MouseUp(control, button, at);
}
void MouseMove(TextControl& control, Point at) { driver->MouseMove(control, at); }
void MoveByUser(Form& form, Point to) { driver->MoveByUser(form, to); }

bool NativeStayOnTop(const Form& form) { return driver->Window(form).stay_on_top; }

int NativePaints(const WinControl& control) {
  return dynamic_cast<const headless::WindowPeerImpl*>(control.Peer())->paints();
}

int NativeMoves(const Form& form) { return static_cast<const headless::FormPeerImpl&>(form.Native()).moves(); }
int NativeResizes(const Form& form) { return static_cast<const headless::FormPeerImpl&>(form.Native()).resizes(); }
bool NativeOnScreen(const Form& form) { return static_cast<const headless::FormPeerImpl&>(form.Native()).on_screen(); }

void ClickAt(OutlineView& view, Point at) { driver->Click(view, at); }
void Focus(WinControl& control) { driver->Focus(control); }
Cursor NativeCursor() { return headless::TheWorld().cursor; }

std::string ScratchFolder() {
  std::filesystem::create_directories(headless::HostPath("C:\\scratch"));
  return "C:\\scratch";
}

void PlantRegistryString(const std::string& key, const std::string& name, const std::string& text) {
  driver->PlantRegistryValue(key, name, {kRegSz, text + '\0'});
}

void DeleteRegistryKey(const std::string& key) { headless::TheWorld().registry.erase(headless::RegistryKeyPath(key)); }

}  // namespace ui::probe

namespace ui::probe {

namespace {
void Describe(const MenuItem& parent, const std::string& indent, std::vector<std::string>& lines) {
  for (const MenuItem* item : parent.Items()) {
    lines.push_back(indent + item->Caption() + (item->Enabled() || item->IsSeparator() ? "" : " (disabled)"));
    Describe(*item, indent + "  ", lines);
  }
}
}  // namespace

std::vector<std::string> NativeMenu(MenuItem& root) {
  std::vector<std::string> lines;
  Describe(root, "", lines);
  return lines;
}

}  // namespace ui::probe
