#pragma once
// A top-level window of the program. Closing a form that is not the main window hides it;
// closing the main window ends the event loop.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/menus.h"

namespace ui {

enum class FormPosition { Designed, ScreenCenter };
// What a point of a window is, as the platform's hit test answers it.
enum class HitArea { Client, Caption, Other };

// A window's frame and look as designed, given to the form in one statement; the defaults are a
// new form's own.
struct FormDesign {
  std::string caption{};
  BorderStyle border = BorderStyle::Sizeable;
  unsigned border_icons = biSystemMenu | biMinimize | biMaximize;
  bool stay_on_top = false;
  FormPosition position = FormPosition::Designed;
  Font font{};
  Color color = clBtnFace;
  Point at{};           // the window's top left corner on the screen
  Size size{320, 240};  // the whole window's: frame, caption and menu bar included
  // The size inside the frame, which then decides the window's size; 0 leaves `size` as it is.
  int client_width = 0, client_height = 0;
};

class Form : public WinControl {
 public:
  // The class name is the window class's ("TMain", "TForm1").
  explicit Form(std::string class_name);
  ~Form() override;

  const std::string& ClassName() const { return class_name_; }
  WindowPeer* Peer() const override { return peer_.get(); }
  FormPeer& Native() const { return *peer_; }

  Bounds GetBounds() const override;
  void SetVisible(bool v) override;

  // Caption, frame, position, font, colour, place and size as designed. A window calls it first
  // in its own constructor, where its own handling of a move already runs.
  void Apply(const FormDesign& design);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const FrameStyle& Frame() const { return frame_; }
  void SetBorderStyle(BorderStyle s);
  void SetBorderIcons(unsigned icons);
  void SetStayOnTop(bool on);
  void SetPosition(FormPosition p) { position_ = p; }

  // The input method's mode while the window has the keyboard: hiragana entry, or off.
  void SetImeMode(ImeMode mode) { peer_->SetImeMode(mode); }

  int ClientWidth() const { return ClientSize().width; }
  int ClientHeight() const { return ClientSize().height; }
  // The window's size by its client area's, which a menu bar set later then keeps.
  void SetClientWidth(int w);
  void SetClientHeight(int h);

  // Visible and in front; activates the window.
  void Show();
  // Visible without taking the activation from the window that has it.
  void ShowNoActivate();
  void BringToFront();
  // The window's pixels leave the screen for a moment, or come back, without a move, a resize,
  // a change of activation, keyboard focus or z-order; the form stays Visible() throughout,
  // and the platform still lists it as visible.
  void HideInPlace() { peer_->SetShownInPlace(false); }
  void ShowInPlace() { peer_->SetShownInPlace(true); }
  // While the window is hidden: what the screen shows where it lies becomes the background of
  // its surface, drawn under its graphic controls at every paint from then on. This lets a
  // window look see-through on a desktop that composes the windows itself.
  void CaptureBackdrop() { peer_->CaptureBackdrop(); }
  // Runs the close query; hides the form, or ends the program for the main window.
  void Close();
  ModalResult ShowModal();
  ModalResult GetModalResult() const { return modal_result_; }
  void SetModalResult(ModalResult r) { modal_result_ = r; }
  bool Modal() const { return modal_; }
  // Destroys the form once the event loop gets to it.
  void Release();
  // The control that takes the keyboard focus whenever the window is activated.
  WinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(WinControl* control) { active_control_ = control; }
  // The window's menu bar, or none. The window keeps the size it was last given, across and
  // down: a client size stays and the window grows by the bar, as a designer lays out the client
  // area under it; a whole size stays and the bar takes its line from the client area.
  MainMenu* Menu() const { return menu_; }
  void SetMenu(MainMenu* menu);

  std::function<void()> OnCreate, OnShow, OnHide, OnDestroy;
  std::function<void(bool& can_close)> OnCloseQuery;

  // The controls that Tab visits, in order: the windowed controls that take the keyboard, in the
  // order they were made, depth first.
  std::vector<WinControl*> TabOrder() const;
  // Moves the keyboard to the next (or previous) control in the tab order, around the end.
  void SelectNext(WinControl* from, bool forward);

  // Entry points of the application and the backend.
  // A key going down in `focused` (the form or a control on it), before the control hears it. A
  // window with push buttons acts as a dialog: Esc presses the cancel button, Enter the focused
  // button or else the default one, Tab moves on; unless the focused control wants the key.
  // True when the window acted on the key, which then goes no further.
  bool HandleDialogKey(WinControl* focused, int key, unsigned shift);
  // A key going down anywhere in the window, before all else: the menu bar's item with that
  // shortcut is chosen. True when the key picked an item.
  bool HandleShortCut(int key, unsigned shift);
  void DoCreate();
  void DoDestroy();
  void HandleCloseRequest() { Close(); }
  void HandleResized();
  void HandleMoved();
  void HandlePaintRequest();
  // The platform's answer for a point of the window, which the window may change.
  virtual HitArea HitTest(HitArea platform_answer) { return platform_answer; }
  // Runs once the window has moved, by the program or by the user.
  virtual void Moved() {}
  // Runs when the platform asks the window to paint, before its surface is handed out for it:
  // the window may still hide and show itself here.
  virtual void PaintRequested() {}

 protected:
  Size ClientSizeFor(const Bounds& b) const override;
  void BoundsChanged(const Bounds& old) override;

 private:
  bool CloseQuery();
  void ApplyPosition();
  // The peer, for a call that may change the window's place: the place is asked again after it.
  FormPeer& Changing();
  void Resize(Size size);

  std::string class_name_;
  std::string caption_;
  FrameStyle frame_;
  FormPosition position_ = FormPosition::Designed;
  // Whether the width and the height were last given as the client area's, or as the whole
  // window's.
  bool client_width_given_ = false, client_height_given_ = false;
  bool positioned_ = false;
  bool modal_ = false;
  ModalResult modal_result_ = ModalResult::None;
  WinControl* active_control_ = nullptr;
  MainMenu* menu_ = nullptr;
  std::unique_ptr<FormPeer> peer_;
  mutable std::optional<Bounds> known_place_;
};

}  // namespace ui
