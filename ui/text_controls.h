#pragma once
// The text controls: the single-line Edit of a dialog, and the multi-line Memo (plain text) and
// RichEdit (text with character formats, streamed in and out as Rich Text Format). Lines are as the control lays them
// out: with word wrap on, each wrapped piece of a paragraph is a line of its own.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/layout_memory.h"
#include "ui/text_peers.h"

namespace ui {

class PopupMenu;

enum ShiftState : unsigned { ssShift = 1, ssCtrl = 2, ssAlt = 4 };

class TextControl : public WinControl {
 public:
  using WinControl::WinControl;

  WindowPeer* Peer() const override { return text_peer_.get(); }

  std::string Text() const { return text_peer_->Text(); }
  void SetText(const std::string& text) {
    layout_.Forget();
    text_peer_->SetText(text);
  }
  // Emptying an editor also marks it as not modified.
  void Clear() {
    SetText("");
    SetModified(false);
  }

  // The lines as laid out; a line beyond the last reads as empty. The count and the last lines
  // read are asked of the platform again only once the text or its layout may have changed.
  int LineCount() const;
  std::string Line(int index) const;
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);

  int SelStart() const { return text_peer_->GetSel().start; }
  int SelLength() const { return text_peer_->GetSel().length; }
  void SetSel(int start, int length) { text_peer_->SetSel(start, length); }
  void SetSelStart(int start) { SetSel(start, 0); }
  void SelectAll() { SetSel(0, -1); }
  void ReplaceSel(const std::string& text) {
    layout_.Forget();
    text_peer_->ReplaceSel(text);
  }
  // Scrolls the text until the caret is in view.
  void ScrollCaret() { text_peer_->ScrollCaret(); }
  // Cutting or copying an empty selection leaves the clipboard as it was; pasting replaces the
  // selection with the clipboard's text, when it holds text. A read-only text is neither cut
  // nor pasted into.
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

  bool Modified() const { return text_peer_->Modified(); }
  void SetModified(bool m) { text_peer_->SetModified(m); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  ScrollBars GetScrollBars() const { return scroll_bars_; }
  void SetScrollBars(ScrollBars bars);
  // The sunken edge around the text; without it the text reaches the control's edges.
  bool Border() const { return border_; }
  void SetBorder(bool sunken);
  // Activates the control's window and gives the control the keyboard; a hidden or disabled
  // window cannot take it.
  void SetFocus() override;
  // A multi-line text takes Enter and Tab as text, also in a dialog.
  bool TabStop() const override { return true; }
  bool WantsKey(int key) const override { return key == kKeyEnter || key == kKeyTab; }

  // Many changes in a row, drawn once: while a FrozenDrawing of the control lives it does not
  // draw its changes, and it is drawn whole as the last one ends.
  class FrozenDrawing {
   public:
    explicit FrozenDrawing(TextControl& control) : control_(control) {
      if (control_.frozen_++ == 0) control_.text_peer_->SetRedraw(false);
    }
    ~FrozenDrawing() {
      if (--control_.frozen_ == 0) control_.text_peer_->SetRedraw(true);
    }
    FrozenDrawing(const FrozenDrawing&) = delete;
    FrozenDrawing& operator=(const FrozenDrawing&) = delete;

   private:
    TextControl& control_;
  };

  // The context menu a right click opens, while the menu's automatic opening is on.
  void SetPopupMenu(PopupMenu* menu) { popup_menu_ = menu; }
  void SetCursor(Cursor cursor);
  Cursor GetCursor() const { return cursor_; }

  std::function<void()> OnChange;
  // A key went down, before the control acts on it; the platform's virtual-key code.
  std::function<void(int key, unsigned shift)> OnKeyDown;
  // The pointer in the control's client coordinates.
  std::function<void(MouseButton button, unsigned shift, int x, int y)> OnMouseDown, OnMouseUp;
  std::function<void(unsigned shift, int x, int y)> OnMouseMove;

  // Entry points of the backend.
  void HandleChange();
  void HandleKeyDown(int key, unsigned shift);
  void HandleMouseDown(MouseButton button, unsigned shift, Point at);
  void HandleMouseMove(unsigned shift, Point at);
  void HandleMouseUp(MouseButton button, unsigned shift, Point at);
  // A right click or the menu key: the context menu opens at that point of the screen.
  void HandleContextMenu(Point screen);
  // The peer made its window anew: it is sent the control's properties again.
  void HandleRecreated() {
    layout_.Forget();
    SendState();
  }

 protected:
  void BoundsChanged(const Bounds& old) override;
  void FontChanged() override;
  void ColorChanged() override;
  // Every property the control stores, to a peer just made or a window made anew; the peer
  // keeps no copy of its own.
  virtual void SendState();

  std::unique_ptr<TextPeer> text_peer_;
  // Forgotten at every change of the text, and of what lays it out: size, font, wrap, border.
  mutable LayoutMemory layout_;
  // While held, a change of the text is told to the handler once, as the holding ends.
  int changes_held_ = 0;
  bool change_held_ = false;

 private:
  bool HasSelection() const { return SelLength() > 0; }

  bool read_only_ = false;
  bool word_wrap_ = true;
  int frozen_ = 0;
  PopupMenu* popup_menu_ = nullptr;
  Cursor cursor_ = Cursor::Default;
  ScrollBars scroll_bars_ = ScrollBars::None;
  bool border_ = true;
};

// One line of text, as in a dialog: Enter and Tab belong to the window.
class Edit : public TextControl {
 public:
  explicit Edit(WinControl* parent);

  bool WantsKey(int) const override { return false; }
  // The input method put in this mode whenever the box takes the keyboard: off for plain
  // half-width entry, hiragana for Japanese; none leaves it as the user had it.
  std::optional<ImeMode> ImeOnFocus() const { return ime_on_focus_; }
  void SetImeOnFocus(std::optional<ImeMode> mode);

 protected:
  void SendState() override;

 private:
  std::optional<ImeMode> ime_on_focus_;
};

class Memo : public TextControl {
 public:
  explicit Memo(WinControl* parent);
};

class RichEdit : public TextControl {
 public:
  explicit RichEdit(WinControl* parent);

  // Rich Text Format when the data is that, otherwise plain text with CR LF line ends.
  // False when it is neither: the editor is then left empty.
  bool LoadFromBytes(const std::string& data);
  std::string SaveToRtf() const { return rich_peer().StreamOutRtf(); }
  int ClientWidth() const;
  // The text's length in the editor's positions: characters, a paragraph break one.
  int TextLength() const;
  // The whole text on the printer, page after page, as one job named `document_name`.
  void Print(const PrinterChoice& printer, const std::string& document_name) {
    rich_peer().Print(printer, document_name);
  }
  // Plain text holds no formats and reads no Rich Text Format; switching empties the editor.
  bool PlainText() const { return plain_; }
  void SetPlainText(bool plain);

  // The first occurrence of `text` at or after character `from`, up to the end, as the editor's
  // characters (a double-byte character and a paragraph break are one each). Half-width Latin
  // letters match in either case, full-width and other letters in their own case only, as the
  // platform's find has it; a hit may lie inside a word; there is no wrapping round, and an empty
  // text is never found.
  std::optional<Selection> Find(const std::string& text, int from) const;
  // Replaces every occurrence of `find` from character `from` to the end, as Find finds them one
  // after another, each searched for behind the text put in for the one before. The text changes
  // once, drawn once, with one call of the change handler; each replacement takes the format of
  // the first character it replaces, and the caret ends behind the last. The count replaced; with
  // none, nothing changes.
  int ReplaceEvery(const std::string& find, const std::string& text, int from);
  // The selected text takes the font's colour, face, size and styles, in that order; the rest
  // of the text keeps its own. SelAttributes is the format at the selection's start.
  void SetSelAttributes(const Font& font) {
    layout_.Forget();
    rich_peer().SetSelFormat(font);
  }
  Font SelAttributes() const { return rich_peer().SelFormat(); }

 protected:
  void SendState() override;

 private:
  RichEditPeer& rich_peer() const { return static_cast<RichEditPeer&>(*text_peer_); }
  bool plain_ = false;
};

}  // namespace ui
