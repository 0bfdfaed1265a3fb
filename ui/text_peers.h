#pragma once
// Peers of the text controls: the plain multi-line Memo and the RichEdit. Each method is a
// primitive, as near as the platform allows one message of its edit control; what derives from
// them (when cutting or pasting does anything, select-all) is written once, in TextControl.

#include <optional>
#include <string>

#include "ui/peers.h"
#include "ui/screen.h"
#include "ui/types.h"

namespace ui {

class Edit;
class Memo;
class RichEdit;

enum class ScrollBars { None, Vertical };

struct Selection {
  int start = 0, length = 0;
  bool operator==(const Selection&) const = default;
};

// A multi-line text of the platform. Positions count characters (a double-byte character and a
// paragraph break are one each), as the platform's edit controls do.
//
// A window takes its place, visibility and scroll bars (the plain edit its word wrap as well)
// from the control when it is made. The platform takes these only then, so changing one makes
// the window anew: it keeps its text, selection, marks and focus, and the peer calls
// TextControl::HandleRecreated, which sends the control's other properties again.
class TextPeer : public WindowPeer {
 public:
  virtual std::string Text() = 0;                     // paragraphs joined by CR LF
  virtual void SetText(const std::string& text) = 0;  // CR LF, CR or LF end a paragraph; not modified
  virtual int LineCount() = 0;                        // lines as laid out
  virtual std::string Line(int index) = 0;            // without its line end; beyond the last, empty
  virtual Selection GetSel() = 0;
  virtual void SetSel(int start, int length) = 0;  // a negative length runs to the end
  virtual void ReplaceSel(const std::string& text) = 0;
  virtual bool Modified() = 0;
  virtual void SetModified(bool modified) = 0;
  virtual void SetReadOnly(bool read_only) = 0;
  virtual void SetWordWrap(bool wrap) = 0;
  virtual void SetScrollBars(ScrollBars bars) = 0;
  virtual void SetBorder(bool sunken) = 0;     // the sunken 3-D edge around the text
  virtual void SetFont(const Font& font) = 0;  // the whole text, and text typed later
  virtual void SetBackground(Color color) = 0;
  virtual void SetFocus() = 0;
  // Scrolls the text so that the caret is in view.
  virtual void ScrollCaret() = 0;
  // Whether the control draws its changes as they come; drawing again repaints it whole.
  virtual void SetRedraw(bool on) = 0;
  // The pointer's shape over the control.
  virtual void SetCursor(Cursor cursor) = 0;
  // The selection to the system clipboard (and out of the text), or the clipboard's text in its
  // place; the control calls these only when there is something to do.
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  // The input method's mode each time the control takes the keyboard, or none to leave it; only
  // the single-line edit offers it.
  virtual void SetImeOnFocus(std::optional<ImeMode>) {}
};

class RichEditPeer : public TextPeer {
 public:
  // False when the control does not take the data as Rich Text Format; the text is then as it was.
  virtual bool StreamInRtf(const std::string& data) = 0;
  virtual std::string StreamOutRtf() = 0;
  // The width inside the border and the scroll bar.
  virtual int ClientWidth() = 0;
  // Text without character formats; the platform takes it only while the control is empty.
  virtual void SetPlainText(bool plain) = 0;
  // The first occurrence of `text` from character `from` to the end, not only as a whole word,
  // the half-width Latin letters matched in either case; `text` is never empty.
  virtual std::optional<Selection> Find(const std::string& text, int from) = 0;
  // Every occurrence of `find` from character `from` on, as Find finds them one after another
  // (each behind the text put in for the one before), replaced by `text` in one change of the
  // text: each replacement in the format of the first character it replaces, the caret behind
  // the last, the change handler called once. The count replaced, or none when the control cannot
  // make the change in one step: its text is then as it was.
  virtual std::optional<int> ReplaceEvery(const std::string& find, const std::string& text, int from) = 0;
  // The selected text's colour, face, size (the font's pixel height) and styles, nothing else;
  // and the format at the selection's start, as a font.
  virtual void SetSelFormat(const Font& font) = 0;
  virtual Font SelFormat() = 0;
  // The whole text as laid out on the printer's pages, fonts and colours as shown, over the
  // whole printable area, as one print job of that name.
  virtual void Print(const PrinterChoice& printer, const std::string& document_name) = 0;
};

namespace backend {
std::unique_ptr<TextPeer> NewEditPeer(Edit& edit, WindowPeer& parent);
std::unique_ptr<TextPeer> NewMemoPeer(Memo& memo, WindowPeer& parent);
std::unique_ptr<RichEditPeer> NewRichEditPeer(RichEdit& edit, WindowPeer& parent);
}  // namespace backend

}  // namespace ui
