#include <filesystem>
#include <memory>
#include <optional>

#include "core/cp932.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/disk.h"
#include "ui/headless/world.h"

namespace ui::headless {

namespace {

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
    if (!w.box_scripts.empty()) {
      std::function<void()> script = std::move(w.box_scripts.front());
      w.box_scripts.pop_front();
      script();
    }
    ModalResult unanswered = box.buttons == MsgButtons::OK ? ModalResult::OK : ModalResult::Cancel;
    return TheWorld().message_boxes.Next(box, "a message box nobody answered: \"" + box.text + "\"", unanswered);
  }

  // The name typed is taken as the platform takes it: in the dialog's folder unless it is a full
  // path, with the default extension when it has none; the open dialog accepts only a file
  // that exists.
  std::optional<FileChoice> FileDialog(const FileRequest& request) override {
    World& w = TheWorld();
    FileAnswer answer = w.file_dialogs.Next(request, "a file dialog nobody answered: \"" + request.title + "\"");
    if (!answer.name) return std::nullopt;
    std::string path = *answer.name;
    bool full = (path.size() > 1 && path[1] == ':') || (!path.empty() && path[0] == '\\');
    if (!full) {
      std::string folder = request.initial_dir.empty() ? core::cp932::ExtractFileDir(w.exe_name) : request.initial_dir;
      path = folder + "\\" + path;
    }
    std::size_t dot = core::cp932::FindLastChar(path, ".\\");
    if (!request.default_ext.empty() && (dot == std::string::npos || path[dot] != '.'))
      path += "." + request.default_ext;
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
    if (!w.print_dialogs.Next(w.printers.front(), "a print dialog nobody answered")) {
      return {PrintDialogOutcome::Cancelled, {}};
    }
    return {PrintDialogOutcome::Chosen, {w.printers.front(), {}}};
  }

  std::optional<Color> ColorDialog(Color initial) override {
    return TheWorld().color_dialogs.Next(initial, "a colour dialog nobody answered");
  }

  std::optional<Font> FontDialog(const Font& initial) override {
    return TheWorld().font_dialogs.Next(initial, "a font dialog nobody answered");
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

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<AppPeer> NewAppPeer(App&) { return std::make_unique<headless::AppPeerImpl>(); }

}  // namespace ui::backend
