#pragma once
// The application object: its title, its windows (created through the window factory, the
// first of which becomes the main window), the event loop and the standard error box.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/peers.h"

namespace ui {

class App {
 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // The window factory: creates the form, sets the program's reference to it, runs its
  // creation handler. The first form created here becomes the main window.
  template <class T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>();
    reference = form.get();
    Form* created = form.get();
    forms_.push_back(std::move(form));
    created->DoCreate();
    if (!main_form_) main_form_ = created;
  }
  // A form made directly, outside the factory; it never becomes the main window.
  template <class T>
  T* Adopt(std::unique_ptr<T> form) {
    T* raw = form.get();
    forms_.push_back(std::move(form));
    return raw;
  }
  void DestroyForm(Form* form);
  Form* MainForm() const { return main_form_; }
  const std::vector<std::unique_ptr<Form>>& Forms() const { return forms_; }

  // Shows the main window and dispatches events until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  // Calls `call` from the event loop, after what is already queued.
  void Post(std::function<void()> call);

  // The standard error box: the exception's message under the application's title.
  void ShowException(const std::exception& e);
  std::string ExeName();

  // Tooltips of the whole application: their background; the pointer rests kHintPause ms first.
  static constexpr int kHintPause = 500;
  Color HintColor() const { return hint_color_; }
  void SetHintColor(Color c);

  AppPeer& Peer() { return *peer_; }

 private:
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* main_form_ = nullptr;
  bool terminated_ = false;
  Color hint_color_ = clInfoBk;
  std::unique_ptr<AppPeer> peer_;
};

// The one application object of the process, set while an App exists.
extern App* Application;

// The program's whole run, from start-up to the end of the event loop, and its exit code. The
// program defines it; the platform's entry point calls it.
int ProgramMain();

}  // namespace ui
