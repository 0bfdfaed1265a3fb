#include "ui/text_controls.h"

#include <algorithm>
#include <utility>

#include "core/cp932.h"
#include "core/rtf/rtf_reader.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/menus.h"

namespace ui {

int TextControl::LineCount() const {
  if (!layout_.line_count) {
    // The platform counts an empty last line; a list of lines does not.
    int n = text_peer_->LineCount();
    if (n > 0 && text_peer_->Line(n - 1).empty()) --n;
    layout_.line_count = n;
  }
  return *layout_.line_count;
}

// Peers read a line beyond the last as empty, so a read needs no count of the lines.
std::string TextControl::Line(int index) const {
  if (index < 0) return {};
  if (const std::string* known = layout_.Line(index)) return *known;
  return layout_.KeepLine(index, text_peer_->Line(index));
}

std::vector<std::string> TextControl::Lines() const {
  std::vector<std::string> lines;
  int n = LineCount();
  lines.reserve(n);
  for (int i = 0; i < n; ++i) lines.push_back(text_peer_->Line(i));
  return lines;
}

void TextControl::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TextControl::CutToClipboard() {
  layout_.Forget();
  if (HasSelection() && !read_only_) text_peer_->Cut();
}

void TextControl::CopyToClipboard() {
  if (HasSelection()) text_peer_->Copy();
}

void TextControl::PasteFromClipboard() {
  layout_.Forget();
  if (!read_only_ && Clipboard::HasText()) text_peer_->Paste();
}

void TextControl::SetReadOnly(bool on) {
  read_only_ = on;
  text_peer_->SetReadOnly(on);
}

void TextControl::SetWordWrap(bool on) {
  if (word_wrap_ == on) return;
  word_wrap_ = on;
  layout_.Forget();
  text_peer_->SetWordWrap(on);
}

void TextControl::SetBorder(bool sunken) {
  if (border_ == sunken) return;
  border_ = sunken;
  layout_.Forget();
  text_peer_->SetBorder(sunken);
}

void TextControl::SetScrollBars(ScrollBars bars) {
  if (scroll_bars_ == bars) return;
  scroll_bars_ = bars;
  layout_.Forget();
  text_peer_->SetScrollBars(bars);
}

void TextControl::SetFocus() {
  FocusableForm(true).BringToFront();
  text_peer_->SetFocus();
}

void TextControl::SetCursor(Cursor cursor) {
  if (cursor_ == cursor) return;
  cursor_ = cursor;
  text_peer_->SetCursor(cursor);
}

void TextControl::HandleKeyDown(int key, unsigned shift) {
  Invoke([&] {
    if (OnKeyDown) OnKeyDown(key, shift);
  });
}

void TextControl::HandleMouseDown(MouseButton button, unsigned shift, Point at) {
  Invoke([&] {
    if (OnMouseDown) OnMouseDown(button, shift, at.x, at.y);
  });
}

void TextControl::HandleMouseMove(unsigned shift, Point at) {
  Invoke([&] {
    if (OnMouseMove) OnMouseMove(shift, at.x, at.y);
  });
}

void TextControl::HandleMouseUp(MouseButton button, unsigned shift, Point at) {
  Invoke([&] {
    if (OnMouseUp) OnMouseUp(button, shift, at.x, at.y);
  });
}

void TextControl::HandleContextMenu(Point screen) {
  if (popup_menu_ && popup_menu_->AutoPopup()) popup_menu_->Popup(screen);
}

void TextControl::HandleChange() {
  layout_.Forget();
  if (changes_held_) {
    change_held_ = true;
    return;
  }
  Invoke([&] {
    if (OnChange) OnChange();
  });
}

void TextControl::BoundsChanged(const Bounds& old) {
  layout_.Forget();
  WinControl::BoundsChanged(old);
}

void TextControl::FontChanged() {
  layout_.Forget();
  if (text_peer_) text_peer_->SetFont(GetFont());
}

void TextControl::ColorChanged() {
  if (text_peer_) text_peer_->SetBackground(GetColor());
}

// Place, visibility and scroll bars the peer took from the control when it made its window.
void TextControl::SendState() {
  text_peer_->SetEnabled(Enabled());
  text_peer_->SetFont(GetFont());
  text_peer_->SetBackground(GetColor());
  text_peer_->SetWordWrap(word_wrap_);
  text_peer_->SetReadOnly(read_only_);
  text_peer_->SetCursor(cursor_);
  if (frozen_ > 0) text_peer_->SetRedraw(false);  // a window made anew while its drawing is held
  if (!Hint().empty()) Application->Peer().SetControlHint(*text_peer_, Hint());
}

Edit::Edit(WinControl* parent) : TextControl(parent) {
  bounds_ = {0, 0, 121, 21};
  SetColor(clWindow);
  text_peer_ = backend::NewEditPeer(*this, *parent->Peer());
  SendState();
}

void Edit::SetImeOnFocus(std::optional<ImeMode> mode) {
  ime_on_focus_ = mode;
  text_peer_->SetImeOnFocus(mode);
}

void Edit::SendState() {
  TextControl::SendState();
  text_peer_->SetImeOnFocus(ime_on_focus_);
}

Memo::Memo(WinControl* parent) : TextControl(parent) {
  bounds_ = {0, 0, 185, 89};
  SetColor(clWindow);
  text_peer_ = backend::NewMemoPeer(*this, *parent->Peer());
  SendState();
}

RichEdit::RichEdit(WinControl* parent) : TextControl(parent) {
  bounds_ = {0, 0, 185, 89};
  SetColor(clWindow);
  text_peer_ = backend::NewRichEditPeer(*this, *parent->Peer());
  SendState();
}

// The text mode first: it says what kind of text the fonts are for.
void RichEdit::SendState() {
  rich_peer().SetPlainText(plain_);
  TextControl::SendState();
}

void RichEdit::SetPlainText(bool plain) {
  if (plain_ == plain) return;
  plain_ = plain;
  Clear();
  rich_peer().SetPlainText(plain);
}

std::optional<Selection> RichEdit::Find(const std::string& text, int from) const {
  if (text.empty()) return std::nullopt;
  return rich_peer().Find(text, from < 0 ? 0 : from);
}

// Where the platform cannot make the change at once, one occurrence after another; drawn once
// either way.
int RichEdit::ReplaceEvery(const std::string& find, const std::string& text, int from) {
  if (find.empty()) return 0;
  from = std::max(from, 0);
  layout_.Forget();
  int count = 0;
  {
    FrozenDrawing frozen(*this);
    if (std::optional<int> at_once = rich_peer().ReplaceEvery(find, text, from)) return *at_once;
    ++changes_held_;
    struct Release {
      int& held;
      ~Release() { --held; }
    } release{changes_held_};
    while (std::optional<Selection> hit = Find(find, from)) {
      SetSel(hit->start, hit->length);
      ReplaceSel(text);
      ++count;
      from = SelStart() + SelLength();
    }
  }
  if (std::exchange(change_held_, false)) HandleChange();
  return count;
}

int RichEdit::ClientWidth() const {
  if (!layout_.client_width) layout_.client_width = rich_peer().ClientWidth();
  return *layout_.client_width;
}

bool RichEdit::LoadFromBytes(const std::string& data) {
  layout_.Forget();
  if (!plain_ && core::rtf::LooksLikeRtf(data) && rich_peer().StreamInRtf(data)) return true;
  // A NUL cannot be part of an editor's text: such data is no text at all.
  if (data.find('\0') != std::string::npos) {
    Clear();
    return false;
  }
  SetText(data);
  return true;
}

}  // namespace ui

namespace ui {

int RichEdit::TextLength() const {
  const std::string text = Text();
  int length = 0;
  for (std::size_t i = 0; i < text.size(); ++length) {
    i += text.compare(i, 2, "\r\n") == 0 ? 2 : core::cp932::CharLength(text, i);
  }
  return length;
}

}  // namespace ui
