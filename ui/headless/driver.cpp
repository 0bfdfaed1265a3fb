#include "ui/headless/driver.h"

#include <stdlib.h>

#include <filesystem>

#include "ui/application.h"
#include "ui/graphic_controls.h"
#include "ui/headless/peers.h"
#include "ui/headless/text_peer.h"
#include "ui/headless/registry.h"
#include "ui/panel.h"

namespace ui::headless {

namespace {

void CollectTexts(const WinControl& parent, std::vector<std::string>& texts) {
  for (const Control* c : parent.Controls()) {
    if (auto* label = dynamic_cast<const Label*>(c)) texts.push_back(label->Caption());
    if (auto* panel = dynamic_cast<const Panel*>(c)) {
      if (!panel->Caption().empty()) texts.push_back(panel->Caption());
      CollectTexts(*panel, texts);
    }
  }
}

WindowInfo Describe(FormPeerImpl& peer) {
  Form& f = peer.form();
  WindowInfo info{&f, f.ClassName(), peer.caption(), peer.WindowBounds(), f.ClientSize(), peer.visible(),
                  peer.frame().stay_on_top, peer.frame().border, {}};
  CollectTexts(f, info.texts);
  return info;
}

}  // namespace

void Driver::Focus(WinControl& control) {
  if (TheWorld().focus == &control) return;
  TheWorld().focus = &control;
  if (auto* view = dynamic_cast<OutlineView*>(&control)) view->HandleEnter();
}

void Driver::Click(OutlineView& view, Point at) {
  Focus(view);
  view.HandleMouseDown(at);
}

Driver::Driver(std::function<void(const std::string&)> on_fault) {
  ResetWorld();
  TheWorld().on_fault = std::move(on_fault);
  std::string pattern = (std::filesystem::temp_directory_path() / "pochira-desktop-XXXXXX").string();
  if (!mkdtemp(pattern.data())) Fault("cannot make the desktop's disk folder");
  TheWorld().disk_root = pattern;
  std::filesystem::create_directories(std::filesystem::path(pattern) / "C" / "pochira");
}

Driver::~Driver() {
  std::error_code ec;
  if (!TheWorld().disk_root.empty()) std::filesystem::remove_all(TheWorld().disk_root, ec);
  ResetWorld();
}

namespace {

// A handler may stop or start timers: those chosen at the start of the round fire.
template <class Due>
void FireRound(Due due) {
  std::vector<TimerPeerImpl*> firing;
  for (TimerPeerImpl* t : TheWorld().timers) {
    if (t->interval() > 0 && due(*t)) firing.push_back(t);
  }
  for (TimerPeerImpl* t : firing) t->timer().HandleTick();
}

}  // namespace

void Driver::FireTimers(int times) {
  for (int i = 0; i < times; ++i) {
    FireRound([](const TimerPeerImpl&) { return true; });
    Pump();
  }
}

void Driver::Advance(int ms) {
  World& w = TheWorld();
  for (int step = 0; step < ms; ++step) {
    ++w.clock_ms;
    FireRound([&](const TimerPeerImpl& t) { return w.clock_ms % t.interval() == 0; });
    Pump();
  }
}

void Driver::Type(TextControl& control, const std::string& text) {
  dynamic_cast<TextPeerImpl&>(*control.Peer()).UserTypes(text);
  Pump();
}

void Driver::Click(SpeedButton& button) {
  button.HandleMouseDown();
  button.HandleMouseUp(true);
  Pump();
}

std::string Driver::HintOf(const WinControl& control) const {
  auto it = TheWorld().hints.find(control.Peer());
  return it == TheWorld().hints.end() ? std::string() : it->second;
}

ImeMode Driver::Ime(const Form& form) const { return static_cast<FormPeerImpl&>(form.Native()).ime(); }

void Driver::PressKey(TextControl& control, int key, unsigned shift) {
  control.HandleKeyDown(key, shift);
  dynamic_cast<TextPeerImpl&>(*control.Peer()).UserKey(key);
  Pump();
}

void Driver::MouseDown(TextControl& control, MouseButton button, Point at) {
  control.HandleMouseDown(button, 0, at);
  Pump();
}

void Driver::MouseMove(TextControl& control, Point at) {
  control.HandleMouseMove(0, at);
  Pump();
}

void Driver::MouseUp(TextControl& control, MouseButton button, Point at) {
  control.HandleMouseUp(button, 0, at);
  if (button == MouseButton::Right) {
    Bounds b = control.GetBounds();
    Bounds f = control.OwningForm() ? control.OwningForm()->GetBounds() : Bounds{};
    control.HandleContextMenu({f.left + b.left + at.x, f.top + b.top + at.y});
  }
  Pump();
}

Cursor Driver::CursorOver(const TextControl& control) const {
  return dynamic_cast<const TextPeerImpl&>(*control.Peer()).cursor();
}

void Driver::DragSurface(Form& form, Point client, Point to) {
  (void)client;
  if (form.HitTest(HitArea::Client) == HitArea::Caption) MoveByUser(form, to);
}

void Driver::Pump() {
  if (Application) Application->ProcessMessages();
}

void Driver::CloseByUser(Form& form) {
  form.HandleCloseRequest();
  Pump();
}

void Driver::MoveByUser(Form& form, Point to) {
  static_cast<FormPeerImpl&>(form.Native()).MoveByUser(to);
  Pump();
}

std::vector<std::string> Driver::BackdropOf(const Form& form) const {
  return static_cast<const FormPeerImpl&>(form.Native()).backdrop();
}

void Driver::WhenModal(const std::string& class_name, std::function<void(Form&)> script) {
  TheWorld().modal_scripts[class_name].push_back(std::move(script));
}

std::vector<WindowInfo> Driver::Windows() const {
  std::vector<WindowInfo> all;
  for (FormPeerImpl* p : TheWorld().z_order) all.push_back(Describe(*p));
  return all;
}

std::vector<WindowInfo> Driver::VisibleWindows() const {
  std::vector<WindowInfo> shown;
  for (auto& w : Windows()) {
    if (w.visible) shown.push_back(w);
  }
  return shown;
}

WindowInfo Driver::Window(const Form& form) const {
  return Describe(static_cast<FormPeerImpl&>(form.Native()));
}

void Driver::PlantRegistryValue(const std::string& key, const std::string& name, RegistryValue value) {
  CreateRegistryKey(key)[RegistryFold(name)] = std::move(value);
}

void Driver::PlantRegistryDword(const std::string& key, const std::string& name, std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
  PlantRegistryValue(key, name, {kRegDword, bytes});
}

std::optional<RegistryValue> Driver::RegistryValueOf(const std::string& key, const std::string& name) const {
  auto k = TheWorld().registry.find(RegistryKeyPath(key));
  if (k == TheWorld().registry.end()) return std::nullopt;
  auto v = k->second.find(RegistryFold(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

std::optional<std::uint32_t> Driver::RegistryDword(const std::string& key, const std::string& name) const {
  auto v = RegistryValueOf(key, name);
  if (!v || v->type != kRegDword || v->data.size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(v->data[i]);
  return value;
}

bool Driver::RegistryKeyExists(const std::string& key) const {
  return TheWorld().registry.contains(RegistryKeyPath(key));
}

}  // namespace ui::headless
