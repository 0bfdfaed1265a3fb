#include <memory>
#include <optional>
#include <vector>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/message_box.h"
#include "ui/win32/native.h"
#include "ui/win32/color_dialog.h"
#include "ui/win32/font_dialog.h"
#include "ui/win32/print_dialog.h"
#include "ui/win32/text_window.h"
#include "ui/win32/tooltips.h"

namespace ui::win32 {

namespace {

constexpr UINT kPostedCall = WM_APP + 1;
constexpr char kAppClass[] = "TApplication";
HWND app_window = nullptr;

// The application's own window: zero-sized, it carries the title for the desktop's task bar
// and owns the forms, so that they have no task bar entries of their own.
// The window of the focused control sees its dialog keys first, as IsDialogMessage would do.
bool DialogKey(const MSG& m) {
  if (m.message != WM_KEYDOWN || (m.wParam != VK_TAB && m.wParam != VK_RETURN && m.wParam != VK_ESCAPE)) return false;
  Form* form = FormOfWindow(GetAncestor(m.hwnd, GA_ROOT));
  return form && form->HandleDialogKey(ControlOfWindow(m.hwnd), static_cast<int>(m.wParam), ShiftState());
}

// A key of the window's menu bar picks its item wherever the keyboard is in the window.
bool ShortCutKey(const MSG& m) {
  if (m.message != WM_KEYDOWN && m.message != WM_SYSKEYDOWN) return false;
  Form* form = FormOfWindow(GetAncestor(m.hwnd, GA_ROOT));
  return form && form->HandleShortCut(static_cast<int>(m.wParam), ShiftState());
}

void Dispatch(const MSG& m) {
  if (ShortCutKey(m) || DialogKey(m)) return;
  TranslateMessage(&m);
  DispatchMessageA(&m);
}

class AppPeerImpl : public AppPeer, public MessageTarget {
 public:
  AppPeerImpl() {
    RegisterClassOnce(kAppClass, 0);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    app_window =
        CreateWindowExA(0, kAppClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, cx / 2,
                        cy / 2, 0, 0, nullptr, nullptr, Instance(), static_cast<MessageTarget*>(this));
  }
  ~AppPeerImpl() override {
    DestroyTooltips();
    SetWindowLongPtrA(app_window, GWLP_USERDATA, 0);
    DestroyWindow(app_window);
    app_window = nullptr;
    MSG m;
    while (PeekMessageA(&m, nullptr, kPostedCall, kPostedCall, PM_REMOVE)) delete CallOf(m.lParam);
  }

  void SetTitle(const std::string& title) override { SetWindowTextA(app_window, title.c_str()); }

  void RunLoop() override {
    ShowWindow(app_window, SW_SHOWNA);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) Dispatch(m);
  }

  void Quit() override { PostQuitMessage(0); }

  void ProcessPending() override {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(m.wParam));
        return;
      }
      Dispatch(m);
    }
  }

  // Every other window of the program is disabled while the modal form runs its own loop.
  void RunModal(Form& form, const std::function<bool()>& done) override {
    HWND modal = HandleOf(form.Native());
    Disabled disabled{{}, modal};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
    MSG m;
    while (!done()) {
      if (GetMessageA(&m, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(m.wParam));
        break;
      }
      Dispatch(m);
    }
    for (HWND w : disabled.windows) EnableWindow(w, TRUE);
  }

  void Post(std::function<void()> call) override {
    auto* heap = new std::function<void()>(std::move(call));
    if (!PostMessageA(app_window, kPostedCall, 0, reinterpret_cast<LPARAM>(heap))) delete heap;
  }

  ModalResult MessageBox(const BoxRequest& box) override { return ShowMessageBox(box); }
  std::optional<FileChoice> FileDialog(const FileRequest& request) override { return ShowFileDialog(request); }
  PrintDialogAnswer PrintDialog() override { return ShowPrintDialog(); }
  std::optional<Color> ColorDialog(Color initial) override { return ShowColorDialog(initial); }
  std::optional<Font> FontDialog(const Font& initial) override { return ShowFontDialog(initial); }
  void SetHintStyle(Color background, int delay_ms) override { SetTooltipStyle(background, delay_ms); }
  void SetControlHint(WindowPeer& control, const std::string& hint) override { SetTooltip(HandleOf(control), hint); }
  void Beep() override {
    ++beeps_sounded;
    MessageBeep(0);
  }
  // Asking the platform costs a trip to the display driver, and the memo asks on every tick; the
  // size is kept until the display announces a change.
  Size ScreenSize() override {
    if (!screen_) screen_ = Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return *screen_;
  }

  std::string ExeName() override {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kPostedCall) {
      std::unique_ptr<std::function<void()>> call(CallOf(lp));
      Invoke(*call);
      return 0;
    }
    if (msg == WM_DISPLAYCHANGE) screen_.reset();
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

 private:
  struct Disabled {
    std::vector<HWND> windows;
    HWND keep;
  };
  static BOOL CALLBACK DisableOne(HWND w, LPARAM p) {
    auto* d = reinterpret_cast<Disabled*>(p);
    if (w != d->keep && IsWindowVisible(w) && IsWindowEnabled(w)) {
      EnableWindow(w, FALSE);
      d->windows.push_back(w);
    }
    return TRUE;
  }
  static std::function<void()>* CallOf(LPARAM lp) { return reinterpret_cast<std::function<void()>*>(lp); }

  std::optional<Size> screen_;
};

}  // namespace

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

HWND HandleOf(const WindowPeer& peer) { return dynamic_cast<const MessageTarget&>(peer).Handle(); }

// A control of the platform's own class keeps its target where a window of the toolkit's own
// classes does, so that one look-up finds either.
void AttachControl(HWND hwnd, MessageTarget* target, WNDPROC* previous) {
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
  *previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageTarget::ControlProc)));
}

void DetachControl(HWND hwnd, WNDPROC previous) {
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

MessageTarget* TargetOf(HWND hwnd) { return reinterpret_cast<MessageTarget*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

LRESULT CALLBACK MessageTarget::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MessageTarget* target = TargetOf(hwnd);
  if (!target) return DefWindowProcA(hwnd, msg, wp, lp);
  return target->OnMessage(hwnd, msg, wp, lp);
}

HWND AppWindow() { return app_window; }

// Only windows whose procedure is the toolkit's carry a target in GWLP_USERDATA.
WinControl* ControlOfWindow(HWND hwnd) {
  auto proc = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
  if (proc != reinterpret_cast<LONG_PTR>(&MessageTarget::WindowProc) &&
      proc != reinterpret_cast<LONG_PTR>(&MessageTarget::ControlProc)) {
    return nullptr;
  }
  MessageTarget* target = TargetOf(hwnd);
  return target ? target->Owner() : nullptr;
}

Form* FormOfWindow(HWND hwnd) { return dynamic_cast<Form*>(ControlOfWindow(hwnd)); }

void RegisterClassOnce(const std::string& name, UINT style) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(Instance(), name.c_str(), &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &MessageTarget::WindowProc;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(Instance(), MAKEINTRESOURCE(1));
  wc.lpszClassName = name.c_str();
  RegisterClassExA(&wc);
}

LRESULT CALLBACK MessageTarget::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  MessageTarget* target = TargetOf(hwnd);
  if (!target) return DefWindowProcA(hwnd, msg, wp, lp);
  return target->OnMessage(hwnd, msg, wp, lp);
}

}  // namespace ui::win32

namespace ui::backend {
std::unique_ptr<AppPeer> NewAppPeer(App&) { return std::make_unique<win32::AppPeerImpl>(); }
}  // namespace ui::backend
