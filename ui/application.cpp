#include "ui/application.h"

#include <algorithm>

#include "core/error.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace ui {

App* Application = nullptr;

App::App() {
  Application = this;
  peer_ = backend::NewAppPeer(*this);
}

// Windows go in the reverse order of their creation, each running its destruction handler.
App::~App() {
  while (!forms_.empty()) {
    std::unique_ptr<Form> form = std::move(forms_.back());
    forms_.pop_back();
    if (form.get() == main_form_) main_form_ = nullptr;
    form->DoDestroy();
    form.reset();
  }
  peer_.reset();
  Application = nullptr;
}

void App::SetTitle(const std::string& title) {
  title_ = title;
  peer_->SetTitle(title_);
}

void App::DestroyForm(Form* form) {
  auto it = std::find_if(forms_.begin(), forms_.end(), [&](auto& f) { return f.get() == form; });
  if (it == forms_.end()) return;
  std::unique_ptr<Form> doomed = std::move(*it);
  forms_.erase(it);
  if (doomed.get() == main_form_) main_form_ = nullptr;
  doomed->DoDestroy();
}

void App::Run() {
  if (main_form_ && !terminated_) main_form_->Show();
  if (!terminated_) peer_->RunLoop();
}

void App::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  peer_->Quit();
}

void App::ProcessMessages() { peer_->ProcessPending(); }

void App::Post(std::function<void()> call) { peer_->Post(std::move(call)); }

void App::ShowException(const std::exception& e) {
  peer_->MessageBox({core::MessageOf(e), title_, MsgButtons::OK, MsgIcon::Error});
}

std::string App::ExeName() { return peer_->ExeName(); }

void App::SetHintColor(Color c) {
  hint_color_ = c;
  peer_->SetHintStyle(hint_color_, kHintPause);
}

void ShowHandlerException(const std::exception& e) {
  if (Application) Application->ShowException(e);
}

}  // namespace ui
