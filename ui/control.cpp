#include "ui/control.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/form.h"

namespace ui {

Control::Control(WinControl* parent) : parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (parent_) {
    auto& c = parent_->children_;
    c.erase(std::remove(c.begin(), c.end(), this), c.end());
  }
}

void Control::SetBounds(const Bounds& b) {
  Bounds old = GetBounds();
  if (b == old) return;
  bounds_ = b;
  BoundsChanged(old);
  if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetLeft(int v) {
  Bounds b = GetBounds();
  b.left = v;
  SetBounds(b);
}
void Control::SetTop(int v) {
  Bounds b = GetBounds();
  b.top = v;
  SetBounds(b);
}
void Control::SetWidth(int v) {
  Bounds b = GetBounds();
  b.width = v;
  SetBounds(b);
}
void Control::SetHeight(int v) {
  Bounds b = GetBounds();
  b.height = v;
  SetBounds(b);
}

void Control::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  VisibleChanged();
  if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetAlign(Align a) {
  if (align_ == a) return;
  align_ = a;
  if (parent_) parent_->Realign();
}

const Font& Control::GetFont() const {
  if (parent_font_ && parent_) return parent_->GetFont();
  return font_;
}

void Control::SetFont(const Font& f) {
  if (!parent_font_ && font_ == f) return;
  font_ = f;
  parent_font_ = false;
  FontChanged();
}

Color Control::GetColor() const {
  if (parent_color_ && parent_) return parent_->GetColor();
  return color_;
}

void Control::SetColor(Color c) {
  if (!parent_color_ && color_ == c) return;
  color_ = c;
  parent_color_ = false;
  ColorChanged();
}

void Control::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  EnabledChanged();
}

void Control::SetHint(const std::string& hint) {
  hint_ = hint;
  if (IsWindowed() && static_cast<WinControl*>(this)->Peer()) {
    Application->Peer().SetControlHint(*static_cast<WinControl*>(this)->Peer(), hint_);
  }
}

Form* Control::OwningForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

Form& Control::FocusableForm(bool window_enabled_too) {
  Form* form = OwningForm();
  if (!form || !form->Visible() || !Visible() || !Enabled() || (window_enabled_too && !form->Enabled())) {
    throw Exception("無効/非表示ｳｨﾝﾄﾞｳにはﾌｫｰｶｽを設定できません");
  }
  return *form;
}

void Control::Invalidate() {
  if (parent_ && parent_->Peer()) parent_->Peer()->Invalidate(GetBounds());
}

void Control::Repaint() {
  Invalidate();
  if (parent_ && parent_->Peer()) parent_->Peer()->Update();
}

void Control::BoundsChanged(const Bounds& old) {
  if (!parent_ || !parent_->Peer() || !visible_) return;
  parent_->Peer()->Invalidate(old);
  parent_->Peer()->Invalidate(bounds_);
}

void Control::VisibleChanged() {
  if (parent_ && parent_->Peer()) parent_->Peer()->Invalidate(GetBounds());
}

void Control::FontChanged() { Invalidate(); }

void Control::ParentFontChanged() {
  if (parent_font_) FontChanged();
}

WinControl::~WinControl() {
  for (Control* c : children_) c->parent_ = nullptr;
}

Size WinControl::ClientSize() const { return ClientSizeFor(GetBounds()); }

// A peer is made in the constructor of the concrete control; until then there is nothing to tell.
void WinControl::Repaint() {
  if (!Peer()) return;
  Peer()->Invalidate({0, 0, Width(), Height()});
  Peer()->Update();
}

void WinControl::BoundsChanged(const Bounds&) {
  if (Peer()) Peer()->SetBounds(bounds_);
  Realign();
}

void WinControl::VisibleChanged() {
  if (Peer()) Peer()->SetVisible(visible_);
}

void WinControl::EnabledChanged() {
  if (Peer()) Peer()->SetEnabled(Enabled());
}

void WinControl::FontChanged() {
  if (Peer()) Peer()->Invalidate({0, 0, Width(), Height()});
  for (Control* c : children_) c->ParentFontChanged();
}

bool WinControl::HandleEraseBackground(Canvas& canvas) {
  Size s = ClientSize();
  canvas.FillRect({0, 0, s.width, s.height}, GetColor());
  return true;
}

void WinControl::HandlePaint(Canvas& canvas) {
  for (Control* c : children_) {
    if (!c->IsWindowed() && c->Visible()) c->Paint(canvas);
  }
}

// Aligned children take their edge of the client area in the order top, bottom, left, right,
// and a client-aligned one takes what remains.
Bounds WinControl::AlignArea() const {
  Size s = ClientSize();
  return {0, 0, s.width, s.height};
}

void WinControl::Realign() {
  Bounds rest = AlignArea();
  auto place = [&](Align which) {
    for (Control* c : children_) {
      if (c->align_ != which || !c->visible_) continue;
      Bounds b = c->bounds_;
      switch (which) {
        case Align::Top:
          b = {rest.left, rest.top, rest.width, b.height};
          rest.top += b.height;
          rest.height -= b.height;
          break;
        case Align::Bottom:
          rest.height -= b.height;
          b = {rest.left, rest.Bottom(), rest.width, b.height};
          break;
        case Align::Left:
          b = {rest.left, rest.top, b.width, rest.height};
          rest.left += b.width;
          rest.width -= b.width;
          break;
        case Align::Right:
          rest.width -= b.width;
          b = {rest.Right(), rest.top, b.width, rest.height};
          break;
        case Align::Client:
          b = rest;
          break;
        case Align::None:
          break;
      }
      if (b == c->bounds_) continue;
      Bounds old = c->bounds_;
      c->bounds_ = b;
      c->BoundsChanged(old);
    }
  };
  for (Align a : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) place(a);
}

}  // namespace ui
