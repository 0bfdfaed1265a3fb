#include "ui/headless/peers.h"

#include <algorithm>
#include <filesystem>

#include "core/cp932.h"
#include "ui/application.h"
#include "ui/desktop.h"
#include "ui/headless/desktop.h"
#include "ui/headless/disk.h"
#include "ui/headless/world.h"
#include "ui/panel.h"

namespace ui::headless {

namespace {

void Remove(std::vector<FormPeerImpl*>& list, FormPeerImpl* peer) {
  list.erase(std::remove(list.begin(), list.end(), peer), list.end());
}

// Frame sizes as Wine draws them: borders left and right, caption and borders above and below.
Size FrameFor(const FrameStyle& f) {
  switch (f.border) {
    case BorderStyle::None: return {0, 0};
    case BorderStyle::Single:
    case BorderStyle::Dialog: return {6, 25};
    case BorderStyle::ToolWindow: return {6, 22};
    case BorderStyle::Sizeable: return {8, 27};
    case BorderStyle::SizeToolWin: return {8, 24};
  }
  return {0, 0};
}

// A menu bar's line, as Wine draws one, above the client area.
constexpr int kMenuBarHeight = 19;

class AppPeerImpl : public AppPeer {
 public:
  void SetTitle(const std::string& title) override { TheWorld().title = title; }

  void RunLoop() override {
    ++TheWorld().loop_depth;
    ProcessPending();
    --TheWorld().loop_depth;
  }

  void Quit() override { TheWorld().quit = true; }

  void ProcessPending() override {
    World& w = TheWorld();
    while (!w.posted.empty()) {
      auto call = std::move(w.posted.front());
      w.posted.pop_front();
      call();
    }
  }

  // What is queued runs first, as the platform's modal loop would; then the test's script.
  void RunModal(Form& form, const std::function<bool()>& done) override {
    ProcessPending();
    if (done()) return;
    World& w = TheWorld();
    auto& scripts = w.modal_scripts[form.ClassName()];
    if (scripts.empty()) {
      Fault("a modal " + form.ClassName() + " was shown and no script answered it");
    } else {
      auto script = std::move(scripts.front());
      scripts.pop_front();
      script(form);
      ProcessPending();
      if (!done()) Fault("the script of the modal " + form.ClassName() + " left it open");
    }
    if (!done()) form.SetModalResult(ModalResult::Cancel);
  }

  void Post(std::function<void()> call) override { TheWorld().posted.push_back(std::move(call)); }

  ModalResult MessageBox(const BoxRequest& box) override {
    World& w = TheWorld();
    ModalResult answer;
    if (w.answers.empty()) {
      Fault("a message box nobody answered: \"" + box.text + "\"");
      answer = box.buttons == MsgButtons::OK ? ModalResult::OK : ModalResult::Cancel;
    } else {
      answer = w.answers.front();
      w.answers.pop_front();
    }
    w.boxes.push_back({box, answer});
    return answer;
  }

  // The name typed is taken as the platform takes it: in the dialog's folder unless it is a full
  // path, with the default extension when it has none; the open dialog accepts only a file
  // that exists.
  std::optional<FileChoice> FileDialog(const FileRequest& request) override {
    World& w = TheWorld();
    w.file_dialogs.push_back(request);
    if (w.file_answers.empty()) {
      Fault("a file dialog nobody answered: \"" + request.title + "\"");
      return std::nullopt;
    }
    FileAnswer answer = w.file_answers.front();
    w.file_answers.pop_front();
    if (!answer.name) return std::nullopt;
    std::string path = *answer.name;
    bool full = (path.size() > 1 && path[1] == ':') || (!path.empty() && path[0] == '\\');
    if (!full) {
      std::string folder = request.initial_dir.empty() ? core::cp932::ExtractFileDir(w.exe_name) : request.initial_dir;
      path = folder + "\\" + path;
    }
    std::size_t dot = core::cp932::FindLastChar(path, ".\\");
    if (!request.default_ext.empty() && (dot == std::string::npos || path[dot] != '.')) path += "." + request.default_ext;
    if (request.kind == FileDialogKind::Open && !std::filesystem::is_regular_file(HostPath(path))) {
      Fault("an open dialog was answered with a file that does not exist: " + path);
      return std::nullopt;
    }
    return FileChoice{path, request.show_read_only && answer.read_only};
  }

  // The default printer is offered; a desktop without one has nothing to offer.
  PrintDialogAnswer PrintDialog() override {
    World& w = TheWorld();
    if (w.printers.empty()) return {PrintDialogOutcome::NoPrinter, {}};
    ++w.print_dialogs;
    bool ok = false;
    if (w.print_answers.empty()) {
      Fault("a print dialog nobody answered");
    } else {
      ok = w.print_answers.front();
      w.print_answers.pop_front();
    }
    if (!ok) return {PrintDialogOutcome::Cancelled, {}};
    return {PrintDialogOutcome::Chosen, {w.printers.front(), {}}};
  }

  std::optional<Color> ColorDialog(Color initial) override {
    World& w = TheWorld();
    w.color_dialogs.push_back(initial);
    if (w.color_answers.empty()) {
      Fault("a colour dialog nobody answered");
      return std::nullopt;
    }
    std::optional<Color> answer = w.color_answers.front();
    w.color_answers.pop_front();
    return answer;
  }

  std::optional<Font> FontDialog(const Font& initial) override {
    World& w = TheWorld();
    w.font_dialogs.push_back(initial);
    if (w.font_answers.empty()) {
      Fault("a font dialog nobody answered");
      return std::nullopt;
    }
    std::optional<Font> answer = w.font_answers.front();
    w.font_answers.pop_front();
    return answer;
  }

  void Beep() override { ++TheWorld().beeps; }
  Size ScreenSize() override { return TheWorld().screen; }
  std::string ExeName() override { return TheWorld().exe_name; }

  void SetHintStyle(Color background, int delay_ms) override {
    TheWorld().hint_color = background;
    TheWorld().hint_delay = delay_ms;
  }
  void SetControlHint(WindowPeer& control, const std::string& hint) override { TheWorld().hints[&control] = hint; }
};

}  // namespace

WindowPeerImpl& PeerOf(const WinControl& control) { return dynamic_cast<WindowPeerImpl&>(*control.Peer()); }

FormPeerImpl& PeerOf(const Form& form) { return static_cast<FormPeerImpl&>(form.Native()); }

void WindowPeerImpl::TakeFocus() {
  World& w = TheWorld();
  if (w.focus == &control_) return;
  w.focus = &control_;
  FocusGained();
}

// Each window lies in its parent's client area; the top one's client area lies inside its frame.
Point WindowPeerImpl::ClientToScreen(Point at) const {
  const WinControl* c = &control_;
  for (; c->Parent(); c = c->Parent()) {
    const Bounds& b = PeerOf(*c).bounds();
    at = {at.x + b.left, at.y + b.top};
  }
  const auto* form = dynamic_cast<const Form*>(c);
  if (!form) return at;
  const FormPeerImpl& top = PeerOf(*form);
  Size frame = FrameFor(top.frame());
  return {at.x + top.bounds().left + frame.width / 2, at.y + top.bounds().top + frame.height - frame.width / 2};
}

void WindowPeerImpl::SetBounds(const Bounds& b) {
  if (b.left != bounds_.left || b.top != bounds_.top) ++moves_;
  if (b.width != bounds_.width || b.height != bounds_.height) ++resizes_;
  bounds_ = b;
  invalid_ = true;
}

// Like the platform's invalidation with all children: the window and its windowed children.
void WindowPeerImpl::Invalidate(const Bounds&) {
  invalid_ = true;
  for (Control* c : control_.Controls()) {
    if (c->IsWindowed()) static_cast<WinControl*>(c)->Peer()->Invalidate({});
  }
}

void WindowPeerImpl::Update() {
  if (!visible_) return;
  if (invalid_) Paint();
  for (Control* c : control_.Controls()) {
    if (c->IsWindowed()) static_cast<WinControl*>(c)->Peer()->Update();
  }
}

void WindowPeerImpl::Paint() {
  BeforePaint();
  invalid_ = false;
  ++paints_;
  RecordingCanvas canvas;
  control_.HandleEraseBackground(canvas);
  control_.HandlePaint(canvas);
  World& w = TheWorld();
  w.paints.push_back({&control_, std::move(canvas.texts)});
  if (w.on_paint) w.on_paint(control_);
}

FormPeerImpl::FormPeerImpl(Form& form) : WindowPeerAs(form), form_(form) {
  visible_ = false;
  bounds_ = form.GetBounds();
  TheWorld().z_order.push_back(this);
}

FormPeerImpl::~FormPeerImpl() { Remove(TheWorld().z_order, this); }

void FormPeerImpl::SetVisible(bool visible) {
  WindowPeerImpl::SetVisible(visible);
  if (visible) BringToFront();
}

// An activated window gives the keyboard to its active control, as the platform's does.
void FormPeerImpl::Show(bool activate) {
  WindowPeerImpl::SetVisible(true);
  Invalidate({});
  if (activate) {
    BringToFront();
    if (WinControl* active = form_.ActiveControl()) PeerOf(*active).TakeFocus();
  }
  Update();
}

// Windows that stay on top keep in front of all others.
void FormPeerImpl::BringToFront() {
  auto& z = TheWorld().z_order;
  Remove(z, this);
  auto pos = z.begin();
  if (!frame_.stay_on_top) {
    pos = std::find_if(z.begin(), z.end(), [](FormPeerImpl* p) { return !p->frame_.stay_on_top; });
  }
  z.insert(pos, this);
}

Size FormPeerImpl::FrameSize() {
  Size frame = FrameFor(frame_);
  if (menu_) frame.height += kMenuBarHeight;
  return frame;
}

void FormPeerImpl::SetMenu(MenuItem* root) {
  menu_ = root;
  menu_bar_ = root ? BuildLevel(*root) : std::vector<BuiltMenuItem>{};
}

// The bar is built again as the user goes to it; each menu on the way runs its handler and is
// built as it opens. The choice comes back to the window after the menus have closed.
void FormPeerImpl::ChooseFromMenuBar(const std::vector<std::string>& captions) {
  if (!menu_) return;
  menu_bar_ = BuildLevel(*menu_);
  std::vector<BuiltMenuItem>* level = &menu_bar_;
  MenuItem* chosen = nullptr;
  for (const std::string& caption : captions) {
    auto entry = std::find_if(level->begin(), level->end(),
                              [&](const BuiltMenuItem& e) { return !e.separator && e.caption == caption; });
    if (entry == level->end() || entry->grayed) return;
    if (!entry->popup) {
      chosen = entry->item;
      break;
    }
    entry->item->Click();
    entry->submenu = BuildLevel(*entry->item);
    level = &entry->submenu;
  }
  if (!chosen) return;
  TheWorld().posted.push_back([chosen] { chosen->Click(); });
}

// The platform tells a window of every move, the program's own and the user's.
void FormPeerImpl::SetBounds(const Bounds& b) {
  bool moved = b.left != bounds_.left || b.top != bounds_.top;
  WindowPeerImpl::SetBounds(b);
  if (moved) form_.HandleMoved();
}

// Coming back on the screen invalidates the window; nothing else changes.
void FormPeerImpl::SetShownInPlace(bool shown) {
  if (shown != off_screen_) return;
  off_screen_ = !shown;
  if (shown) invalid_ = true;
  TheWorld().desktop_log.push_back((shown ? "show " : "hide ") + form_.ClassName());
}

void FormPeerImpl::CaptureBackdrop() {
  backdrop_.clear();
  std::uintptr_t self = desktop::IdOf(form_);
  for (const DesktopWindow& w : desktop::WindowsTopDown()) {
    if (w.id == self || !w.visible || !w.bounds.Intersects(bounds_)) continue;
    backdrop_.push_back(DesktopWindowName(w));
  }
  TheWorld().desktop_log.push_back("backdrop " + form_.ClassName());
}

// As the desktop answers: the client area inside the frame, the caption band above it, the
// borders and all outside the window something else. The form has the last word.
HitArea FormPeerImpl::HitTest(Point client) {
  Size frame = FrameFor(frame_);
  int border = frame.width / 2;
  int width = bounds_.width - frame.width, height = bounds_.height - frame.height;
  bool across = client.x >= 0 && client.x < width;
  HitArea platform = HitArea::Other;
  if (across && client.y >= 0 && client.y < height) platform = HitArea::Client;
  else if (across && client.y < 0 && client.y >= -(frame.height - 2 * border)) platform = HitArea::Caption;
  return form_.HitTest(platform);
}

void FormPeerImpl::DragFrom(Point client, Point to) {
  if (HitTest(client) == HitArea::Caption) MoveByUser(to);
}

// A move by the user changes the place only: the platform reports a move and no resize.
void FormPeerImpl::MoveByUser(Point to) { SetBounds({to.x, to.y, bounds_.width, bounds_.height}); }

TimerPeerImpl::TimerPeerImpl(Timer& timer) : timer_(timer) { TheWorld().timers.push_back(this); }

TimerPeerImpl::~TimerPeerImpl() {
  auto& t = TheWorld().timers;
  t.erase(std::remove(t.begin(), t.end(), this), t.end());
}

void FireTimerRound(const std::function<bool(const TimerPeerImpl&)>& due) {
  std::vector<TimerPeerImpl*> firing;
  for (TimerPeerImpl* t : TheWorld().timers) {
    if (t->interval() > 0 && due(*t)) firing.push_back(t);
  }
  for (TimerPeerImpl* t : firing) t->timer().HandleTick();
}

// As the platform's panel window: the pointer's presses, moves and releases over it.
class PanelPeerImpl : public WindowPeerImpl {
 public:
  explicit PanelPeerImpl(Panel& panel) : WindowPeerImpl(panel), panel_(panel) {}
  void ButtonDown(MouseButton button, Point at) override { panel_.HandleMouseDown(button, at); }
  void MouseMove(Point at) override { panel_.HandleMouseMove(at); }
  void ButtonUp(MouseButton button, Point at) override { panel_.HandleMouseUp(button, at); }

 private:
  Panel& panel_;
};

}  // namespace ui::headless

namespace ui {

Size TextExtent(const Font& font, std::string_view text) {
  ++headless::TheWorld().text_extents;
  return headless::MeasureText(font, text);
}

namespace backend {

std::unique_ptr<AppPeer> NewAppPeer(App&) { return std::make_unique<headless::AppPeerImpl>(); }

std::unique_ptr<FormPeer> NewFormPeer(Form& form) { return std::make_unique<headless::FormPeerImpl>(form); }

std::unique_ptr<WindowPeer> NewPanelPeer(Panel& panel, WindowPeer&) {
  auto peer = std::make_unique<headless::PanelPeerImpl>(panel);
  peer->SetBounds(panel.GetBounds());
  return peer;
}

std::unique_ptr<TimerPeer> NewTimerPeer(Timer& timer) { return std::make_unique<headless::TimerPeerImpl>(timer); }

}  // namespace backend
}  // namespace ui
