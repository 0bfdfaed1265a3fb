#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/exception.h"
#include "ui/screen.h"
#include "ui/text_controls.h"

namespace ui {

Form::Form(std::string class_name) : WinControl(nullptr), class_name_(std::move(class_name)) {
  visible_ = false;
  bounds_ = {0, 0, 320, 240};
  peer_ = backend::NewFormPeer(*this);
}

Form::~Form() = default;

// Asked of the platform once after each change the toolkit makes and each move or resize the
// platform reports: a timer that reads the place of a window at rest asks nothing.
Bounds Form::GetBounds() const {
  if (!peer_) return bounds_;
  if (!known_place_) known_place_ = peer_->WindowBounds();
  return *known_place_;
}

FormPeer& Form::Changing() {
  known_place_.reset();
  return *peer_;
}

// A whole size given is the window's from then on, until a client size is given again.
void Form::BoundsChanged(const Bounds& old) {
  if (peer_) Changing().SetBounds(bounds_);
  if (old.width != bounds_.width) client_width_given_ = false;
  if (old.height != bounds_.height) client_height_given_ = false;
  if (Size{old.width, old.height} != Size{bounds_.width, bounds_.height}) Realign();
}

void Form::HandleResized() {
  known_place_.reset();
  bounds_ = GetBounds();
  Realign();
}

void Form::HandleMoved() {
  known_place_.reset();
  bounds_ = GetBounds();
  Invoke([&] { Moved(); });
}

void Form::HandlePaintRequest() {
  Invoke([&] { PaintRequested(); });
}

Size Form::ClientSizeFor(const Bounds& b) const {
  Size frame = peer_ ? peer_->FrameSize() : Size{};
  return {b.width - frame.width, b.height - frame.height};
}

// The frame goes to the platform once; the sizes follow it, as they depend on it.
void Form::Apply(const FormDesign& design) {
  SetCaption(design.caption);
  FrameStyle frame{design.border, design.border_icons, design.stay_on_top};
  if (frame != frame_) {
    frame_ = frame;
    Changing().SetFrame(frame_);
  }
  position_ = design.position;
  SetFont(design.font);
  SetColor(design.color);
  SetBounds({design.at.x, design.at.y, design.size.width, design.size.height});
  client_width_given_ = client_height_given_ = false;
  if (design.client_width) SetClientWidth(design.client_width);
  if (design.client_height) SetClientHeight(design.client_height);
}

void Form::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  peer_->SetCaption(caption_);
}

// The client size stays what it was when the frame changes, as a designer would expect.
void Form::SetBorderStyle(BorderStyle s) {
  if (frame_.border == s) return;
  Size client = ClientSize();
  frame_.border = s;
  Changing().SetFrame(frame_);
  Size frame = peer_->FrameSize();
  Resize({client.width + frame.width, client.height + frame.height});
}

void Form::SetBorderIcons(unsigned icons) {
  if (frame_.icons == icons) return;
  frame_.icons = icons;
  Changing().SetFrame(frame_);
}

void Form::SetStayOnTop(bool on) {
  if (frame_.stay_on_top == on) return;
  frame_.stay_on_top = on;
  Changing().SetFrame(frame_);
}

// The client area changes on the way whichever size stays, so the controls are aligned again
// even when the window keeps its size.
void Form::SetMenu(MainMenu* menu) {
  if (menu == menu_) return;
  Size whole = {Width(), Height()}, client = ClientSize();
  menu_ = menu;
  Changing().SetMenu(menu_ ? &menu_->Root() : nullptr);
  Size frame = peer_->FrameSize();
  Resize({client_width_given_ ? client.width + frame.width : whole.width,
          client_height_given_ ? client.height + frame.height : whole.height});
  Realign();
}

void Form::SetClientWidth(int w) {
  SetWidth(w + peer_->FrameSize().width);
  client_width_given_ = true;
}

void Form::SetClientHeight(int h) {
  SetHeight(h + peer_->FrameSize().height);
  client_height_given_ = true;
}

// The toolkit's own resize leaves which size the window was given as it was.
void Form::Resize(Size size) {
  bool width_given = client_width_given_, height_given = client_height_given_;
  SetBounds({Left(), Top(), size.width, size.height});
  client_width_given_ = width_given;
  client_height_given_ = height_given;
}

void Form::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  if (position_ == FormPosition::ScreenCenter) {
    Bounds b = GetBounds();
    SetBounds({(Screen::Width() - b.width) / 2, (Screen::Height() - b.height) / 2, b.width, b.height});
  }
}

void Form::SetVisible(bool v) {
  if (v == visible_) return;
  if (v) {
    ApplyPosition();
    visible_ = true;
    Invoke([&] {
      if (OnShow) OnShow();
    });
    if (visible_) Changing().Show(true);
  } else {
    visible_ = false;
    Changing().SetVisible(false);
    Invoke([&] {
      if (OnHide) OnHide();
    });
  }
}

void Form::Show() {
  SetVisible(true);
  BringToFront();
}

void Form::ShowNoActivate() {
  if (visible_) return;
  ApplyPosition();
  visible_ = true;
  Invoke([&] {
    if (OnShow) OnShow();
  });
  if (visible_) Changing().Show(false);
}

void Form::BringToFront() {
  if (visible_) peer_->BringToFront();  // the order changes, not the place
}

bool Form::CloseQuery() {
  bool can_close = true;
  bool completed = false;
  Invoke([&] {
    if (OnCloseQuery) OnCloseQuery(can_close);
    completed = true;
  });
  return completed && can_close;
}

void Form::Close() {
  if (!CloseQuery()) return;
  if (modal_) {
    modal_result_ = ModalResult::Cancel;
  } else if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else {
    Hide();
  }
}

ModalResult Form::ShowModal() {
  if (visible_ || modal_) throw Exception("表示中のウィンドウはモーダルにできません");
  modal_result_ = ModalResult::None;
  modal_ = true;
  Show();
  Application->Peer().RunModal(*this,
                               [this] { return modal_result_ != ModalResult::None || Application->Terminated(); });
  modal_ = false;
  Hide();
  return modal_result_;
}

void Form::Release() {
  Application->Post([this] { Application->DestroyForm(this); });
}

namespace {
void CollectTabStops(const WinControl& parent, std::vector<WinControl*>& order) {
  for (Control* c : parent.Controls()) {
    if (!c->IsWindowed()) continue;
    auto* w = static_cast<WinControl*>(c);
    if (w->TabStop()) order.push_back(w);
    CollectTabStops(*w, order);
  }
}

bool Usable(const Control& c) { return c.Visible() && c.Enabled(); }
}  // namespace

std::vector<WinControl*> Form::TabOrder() const {
  std::vector<WinControl*> order;
  CollectTabStops(*this, order);
  return order;
}

void Form::SelectNext(WinControl* from, bool forward) {
  std::vector<WinControl*> order = TabOrder();
  std::erase_if(order, [from](WinControl* c) { return c != from && !Usable(*c); });
  if (order.empty()) return;
  auto at = std::find(order.begin(), order.end(), from);
  std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t i = at == order.end() ? (forward ? -1 : 0) : at - order.begin();
  WinControl* next = order[static_cast<std::size_t>(((forward ? i + 1 : i - 1) % n + n) % n)];
  if (next != from) next->SetFocus();
}

bool Form::HandleShortCut(int key, unsigned shift) { return menu_ && menu_->PickShortCut(key, shift); }

bool Form::HandleDialogKey(WinControl* focused, int key, unsigned shift) {
  std::vector<Button*> buttons;
  for (WinControl* c : TabOrder()) {
    if (auto* b = dynamic_cast<Button*>(c)) buttons.push_back(b);
  }
  if (buttons.empty()) return false;
  if (focused && focused != this && focused->WantsKey(key)) return false;
  auto press = [&](auto which) {
    for (Button* b : buttons) {
      if (which(*b) && Usable(*b)) {
        b->Click();
        return true;
      }
    }
    return false;
  };
  switch (key) {
    case kKeyEscape:
      return press([](const Button& b) { return b.Cancel(); });
    case kKeyEnter: {
      auto* pressed = dynamic_cast<Button*>(focused);
      if (pressed && Usable(*pressed)) {
        pressed->Click();
        return true;
      }
      return press([](const Button& b) { return b.Default(); });
    }
    case kKeyTab:
      SelectNext(focused, !(shift & ssShift));
      return true;
    default:
      return false;
  }
}

void Form::DoCreate() {
  Invoke([&] {
    if (OnCreate) OnCreate();
  });
}

void Form::DoDestroy() {
  Invoke([&] {
    if (OnDestroy) OnDestroy();
  });
}

}  // namespace ui
