#pragma once
// The headless text control: its text in the control's own form (paragraphs ended by '\r'),
// with character formats, laid out into lines by the deterministic metrics.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/rtf/rich_text.h"
#include "ui/headless/peers.h"
#include "ui/headless/world.h"
#include "ui/text_controls.h"

namespace ui::headless {

// The document a text control holds is core's rich text.
namespace rtf = core::rtf;

class TextPeerImpl : public WindowPeerAs<RichEditPeer> {
 public:
  TextPeerImpl(TextControl& control, bool rich, bool single_line = false);

  std::string Text() override;
  void SetText(const std::string& text) override;
  int LineCount() override {
    ++TheWorld().state_reads;
    return static_cast<int>(Layout().size());
  }
  std::string Line(int index) override;
  Selection GetSel() override { return {sel_start_, sel_length_}; }
  void SetSel(int start, int length) override;
  void ReplaceSel(const std::string& text) override;
  bool Modified() override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }
  void SetReadOnly(bool read_only) override { read_only_ = read_only; }
  void SetWordWrap(bool wrap) override { wrap_ = wrap && !single_line_; }
  void SetScrollBars(ScrollBars bars) override;
  void SetBorder(bool sunken) override;
  // As the platform makes the window anew: the text, selection and modified mark kept.
  void Remake();
  bool border() const { return border_; }
  void SetFont(const Font& font) override;
  void SetBackground(Color color) override { background_ = color; }
  void SetFocus() override;
  // Paints are recorded when asked for; there is no drawing of changes to hold back.
  void SetRedraw(bool) override {}
  bool StreamInRtf(const std::string& data) override;
  std::string StreamOutRtf() override;
  int ClientWidth() override;
  void SetPlainText(bool plain) override { plain_ = plain; }
  std::optional<Selection> Find(const std::string& text, int from) override;
  std::optional<int> ReplaceEvery(const std::string& find, const std::string& text, int from) override;
  void SetSelFormat(const Font& font) override;
  Font SelFormat() override;
  // The window shows whole lines of the editor's font from its first visible line on.
  void ScrollCaret() override;
  int first_visible_line() const { return first_visible_line_; }
  void Print(const PrinterChoice& printer, const std::string& document_name) override;
  void SetImeOnFocus(std::optional<ImeMode> mode) override { ime_on_focus_ = mode; }
  std::optional<ImeMode> ime_on_focus() const { return ime_on_focus_; }
  void Cut() override;
  void Copy() override;
  void Paste() override;
  bool plain_text() const { return plain_; }

  // Input as the platform's edit control takes it: the program's handlers hear of a key or the
  // mouse first; then the control edits, unless read-only. Delete acts as its key goes down,
  // Backspace, Enter and text as their characters come; a right button's release opens the
  // context menu.
  void KeyDown(int key) override;
  void Char(std::string_view ch) override;
  void ButtonDown(MouseButton button, Point at) override;
  void MouseMove(Point at) override;
  void ButtonUp(MouseButton button, Point at) override;
  void SetCursor(Cursor cursor) override { cursor_ = cursor; }
  Cursor cursor() const { return cursor_; }
  Color background() const { return background_; }
  bool read_only() const { return read_only_; }
  ScrollBars scroll_bars() const { return bars_; }
  bool word_wrap() const { return wrap_; }
  const rtf::RichText& document() const { return doc_; }

 private:
  // The width the text is laid out in, as ClientWidth gives it to the control.
  int InnerWidth();
  const std::vector<std::string>& Layout();
  const std::vector<std::string>& LayoutIn(int width);
  void SetDocument(rtf::RichText doc);
  std::size_t ByteOffset(int position);
  int Length();
  void Splice(std::size_t from, std::size_t to, const std::string& text);
  // The laid out line that holds a character position.
  int LineOf(int position);

  TextControl& control_;
  bool rich_;
  bool single_line_;
  std::optional<ImeMode> ime_on_focus_;
  rtf::RichText doc_;  // changed only through SetDocument, which drops the layouts
  // The layouts of doc_ by word wrap and width (0 without wrap): reading a line lays out nothing.
  std::map<std::pair<bool, int>, std::vector<std::string>> layouts_;
  rtf::CharFormat format_;  // of the whole text and of text typed
  int sel_start_ = 0, sel_length_ = 0;
  // The format given to an empty selection, which the text typed there takes; moving the
  // selection drops it.
  std::optional<rtf::CharFormat> caret_format_;
  int first_visible_line_ = 0;
  std::string Selected();
  // Deletes the selection, or else the character after the caret, or the one before it.
  void DeleteAtCaret(bool backwards);

  bool modified_ = false, read_only_ = false, wrap_ = true, plain_ = false;
  ScrollBars bars_ = ScrollBars::None;
  bool border_ = true;
  Cursor cursor_ = Cursor::Default;
  Color background_ = clWindow;
};

}  // namespace ui::headless
