#include "ui/probe.h"

#include "ui/application.h"
#include "ui/win32/message_box.h"
#include "ui/win32/native.h"

namespace ui::probe {

namespace {
std::function<void(const std::string&)> fault;
void ReportFault(const std::string& what) {
  if (fault) fault(what);
}
}  // namespace

Session::Session(std::function<void(const std::string&)> on_fault) {
  fault = std::move(on_fault);
  win32::Answering() = {};
  win32::Answering().active = true;
  win32::Answering().on_fault = &ReportFault;
}

Session::~Session() {
  win32::Answering() = {};
  fault = nullptr;
}

void Pump() { Application->ProcessMessages(); }

void RunFor(int ms) {
  DWORD start = GetTickCount();
  while (static_cast<int>(GetTickCount() - start) < ms) {
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  Application->ProcessMessages();
}

void Answer(ModalResult answer) { win32::Answering().answers.push_back(answer); }

std::vector<ShownBox> Boxes() {
  std::vector<ShownBox> shown;
  for (auto& [text, title] : win32::Answering().shown) shown.push_back({text, title});
  return shown;
}

bool NativeVisible(const Form& form) { return IsWindowVisible(win32::HandleOf(form.Native())) != FALSE; }

Bounds NativeBounds(const Form& form) {
  RECT r;
  GetWindowRect(win32::HandleOf(form.Native()), &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Size NativeClientSize(const Form& form) {
  RECT r;
  GetClientRect(win32::HandleOf(form.Native()), &r);
  return {r.right, r.bottom};
}

bool NativeStayOnTop(const Form& form) {
  return (GetWindowLongA(win32::HandleOf(form.Native()), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int NativePaints(const WinControl& control) {
  auto& target = dynamic_cast<const win32::MessageTarget&>(*control.Peer());
  if (auto* f = dynamic_cast<const win32::NativeWindow<FormPeer>*>(&target)) return f->paints();
  if (auto* w = dynamic_cast<const win32::NativeWindow<WindowPeer>*>(&target)) return w->paints();
  return 0;
}

}  // namespace ui::probe
