#include "ui/headless/text_peer.h"

#include <algorithm>

#include "core/cp932.h"
#include "core/rtf/replace_every.h"
#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"
#include "ui/clipboard.h"
#include "ui/headless/world.h"

namespace ui::headless {

namespace {

constexpr int kClientEdge = 2;       // the 3-D border, each side
constexpr int kScrollBarWidth = 16;  // as Wine's SM_CXVSCROLL

// The control's own form of a text: every line end is one '\r'.
std::string ToControlText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\n' ? '\r' : text[i];
  }
  return out;
}

rtf::CharFormat FormatOf(const Font& font) {
  rtf::CharFormat f;
  f.face = rtf::ClampFace(font.name);
  f.halfPoints = rtf::HalfPointsFromPixels(font.PixelHeight());
  f.bold = font.style & fsBold;
  f.italic = font.style & fsItalic;
  f.underline = font.style & fsUnderline;
  f.strikeOut = font.style & fsStrikeOut;
  f.color = IsSystemColor(font.color) ? rtf::kAutoColor : font.color;
  return f;
}

// The font's colour, face, size and styles over a format; its character set stays.
rtf::CharFormat Restyled(rtf::CharFormat format, const Font& font) {
  rtf::CharFormat f = FormatOf(font);
  f.charset = format.charset;
  return f;
}

Font FontOf(const rtf::CharFormat& f) {
  unsigned style = 0;
  if (f.bold) style |= fsBold;
  if (f.italic) style |= fsItalic;
  if (f.underline) style |= fsUnderline;
  if (f.strikeOut) style |= fsStrikeOut;
  return {f.face, -rtf::PixelsFromHalfPoints(f.halfPoints), style, f.color == rtf::kAutoColor ? clWindowText : f.color};
}

// A character as a number, its letters folded as the platform's find folds them: the half-width
// Latin ones only; full-width, Greek and Cyrillic letters match only in their own case.
char32_t FoldedChar(std::string_view t, std::size_t i, std::size_t n) {
  char32_t c = n == 2 ? static_cast<unsigned char>(t[i]) << 8 | static_cast<unsigned char>(t[i + 1])
                      : static_cast<unsigned char>(t[i]);
  return rtf::Folded(c);
}

// The text's characters folded.
std::vector<char32_t> FoldedChars(std::string_view t) {
  std::vector<char32_t> chars;
  chars.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); i += core::cp932::CharLength(t, i))
    chars.push_back(FoldedChar(t, i, core::cp932::CharLength(t, i)));
  return chars;
}

}  // namespace

TextPeerImpl::TextPeerImpl(TextControl& control, bool rich, bool single_line)
    : WindowPeerAs(control), control_(control), rich_(rich), single_line_(single_line) {
  bounds_ = control.GetBounds();
  visible_ = control.Visible();
  bars_ = control.GetScrollBars();
  border_ = control.Border();
}

// As the platform's: the control's window is made anew with the text, selection and marks it
// held; the rest of a fresh window's properties come from the control again.
void TextPeerImpl::SetScrollBars(ScrollBars bars) {
  bars_ = bars;
  Remake();
}

void TextPeerImpl::SetBorder(bool sunken) {
  border_ = sunken;
  Remake();
}

void TextPeerImpl::Remake() {
  rtf::RichText doc = doc_;
  int start = sel_start_, length = sel_length_;
  bool modified = modified_;
  first_visible_line_ = 0;
  format_ = {};
  read_only_ = false;
  wrap_ = true;
  plain_ = false;
  cursor_ = Cursor::Default;
  background_ = clWindow;
  WindowPeerImpl::SetEnabled(true);
  control_.HandleRecreated();
  SetDocument(std::move(doc));
  sel_start_ = start;
  sel_length_ = length;
  modified_ = modified;
}

int TextPeerImpl::Length() {
  std::string t = doc_.Text();
  int n = 0;
  for (std::size_t i = 0; i < t.size(); i += core::cp932::CharLength(t, i)) ++n;
  return n;
}

std::size_t TextPeerImpl::ByteOffset(int position) {
  std::string t = doc_.Text();
  std::size_t i = 0;
  for (int n = 0; n < position && i < t.size(); ++n) i += core::cp932::CharLength(t, i);
  return i;
}

// Replaces bytes [from, to) of the text; what is inserted takes the format of the first character
// it replaces, as the platform's has it, or else of the character before it, as typing does.
void TextPeerImpl::Splice(std::size_t from, std::size_t to, const std::string& text) {
  rtf::RichText result;
  rtf::CharFormat inserted = format_;
  std::optional<rtf::CharFormat> given = std::exchange(caret_format_, std::nullopt);
  std::size_t at = 0;
  bool done = false;
  for (const rtf::Run& run : doc_.runs) {
    std::size_t begin = at, end = at + run.text.size();
    at = end;
    if (begin < from) {
      result.Append(std::string_view(run.text).substr(0, std::min(end, from) - begin), run.format);
      inserted = run.format;
    }
    // A replacement goes into the run of the first character it replaces, and takes its format.
    if (!done && (from < to ? end > from : end >= from)) {
      if (from < to) inserted = run.format;
      result.Append(text, given.value_or(inserted));
      done = true;
    }
    if (end > to) {
      std::size_t keep = std::max(begin, to);
      result.Append(std::string_view(run.text).substr(keep - begin), run.format);
    }
  }
  if (!done) result.Append(text, given.value_or(inserted));
  SetDocument(std::move(result));
}

void TextPeerImpl::SetDocument(rtf::RichText doc) {
  doc_ = std::move(doc);
  layouts_.clear();
}

std::string TextPeerImpl::Text() {
  std::string out;
  for (char c : doc_.Text()) {
    if (c == '\r')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

void TextPeerImpl::SetText(const std::string& text) {
  rtf::RichText doc;
  doc.Append(ToControlText(text), format_);
  SetDocument(std::move(doc));
  sel_start_ = sel_length_ = 0;
  caret_format_.reset();
  first_visible_line_ = 0;
  modified_ = false;
  control_.HandleChange();
}

std::string TextPeerImpl::Line(int index) {
  ++TheWorld().line_reads;
  ++TheWorld().state_reads;
  const std::vector<std::string>& lines = Layout();
  return index >= 0 && index < static_cast<int>(lines.size()) ? lines[index] : std::string();
}

// A rich edit keeps a paragraph mark after its text, which selecting everything takes in.
void TextPeerImpl::SetSel(int start, int length) {
  int n = Length() + (rich_ ? 1 : 0);
  if (start < 0) start = 0;
  if (start > n) start = n;
  if (length < 0 || start + length > n) length = n - start;
  if (start != sel_start_ || length != sel_length_) caret_format_.reset();
  sel_start_ = start;
  sel_length_ = length;
}

void TextPeerImpl::ReplaceSel(const std::string& text) {
  std::string inserted = ToControlText(text);
  Splice(ByteOffset(sel_start_), ByteOffset(sel_start_ + sel_length_), inserted);
  int chars = 0;
  for (std::size_t i = 0; i < inserted.size(); i += core::cp932::CharLength(inserted, i)) ++chars;
  sel_start_ += chars;
  sel_length_ = 0;
  modified_ = true;
  control_.HandleChange();
}

void TextPeerImpl::SetFont(const Font& font) {
  format_ = FormatOf(font);
  rtf::RichText doc;
  doc.Append(doc_.Text(), format_);
  SetDocument(std::move(doc));
}

void TextPeerImpl::SetFocus() { TakeFocus(); }

bool TextPeerImpl::StreamInRtf(const std::string& data) {
  if (!rich_ || plain_) return false;
  try {
    SetDocument(rtf::ReadRtf(data));
  } catch (const rtf::RtfError&) {
    return false;
  }
  sel_start_ = sel_length_ = 0;
  caret_format_.reset();
  first_visible_line_ = 0;
  modified_ = false;
  control_.HandleChange();
  return true;
}

std::string TextPeerImpl::StreamOutRtf() { return rtf::WriteRtf(doc_); }

std::optional<Selection> TextPeerImpl::Find(const std::string& text, int from) {
  std::vector<char32_t> wanted = FoldedChars(text);
  if (wanted.empty()) return std::nullopt;
  std::vector<char32_t> chars = FoldedChars(doc_.Text());
  auto begin = chars.begin() + std::min<std::size_t>(static_cast<std::size_t>(std::max(from, 0)), chars.size());
  auto hit = std::search(begin, chars.end(), wanted.begin(), wanted.end());
  if (hit == chars.end()) return std::nullopt;
  return Selection{static_cast<int>(hit - chars.begin()), static_cast<int>(wanted.size())};
}

// In the text's bytes: the formats' spans are the runs' bytes.
std::optional<int> TextPeerImpl::ReplaceEvery(const std::string& find, const std::string& text, int from) {
  const std::string old_text = doc_.Text();
  const rtf::Occurrences found = rtf::EveryOccurrence(old_text, find, ByteOffset(from), from);
  if (found.starts.empty()) return 0;
  const std::string put = ToControlText(text);
  std::string new_text;
  new_text.reserve(old_text.size() + found.starts.size() * put.size());
  std::size_t copied = 0;
  for (std::size_t at : found.starts) {
    new_text.append(old_text, copied, at - copied);
    new_text += put;
    copied = at + find.size();
  }
  new_text.append(old_text, copied);

  std::vector<rtf::FormatSpan> spans;
  for (const rtf::Run& run : doc_.runs) spans.push_back({run.format, run.text.size()});
  rtf::RichText doc;
  std::size_t cut = 0;
  for (const rtf::FormatSpan& span : rtf::ReplacedSpans(spans, found.starts, find.size(), put.size())) {
    doc.Append(std::string_view(new_text).substr(cut, span.length), span.format);
    cut += span.length;
  }
  SetDocument(std::move(doc));
  const int n = static_cast<int>(found.starts.size());
  const int find_chars = static_cast<int>(FoldedChars(find).size()),
            put_chars = static_cast<int>(FoldedChars(put).size());
  sel_start_ = found.last + (put_chars - find_chars) * (n - 1) + put_chars;
  sel_length_ = 0;
  caret_format_.reset();
  modified_ = true;
  control_.HandleChange();
  return n;
}

// An empty selection keeps the format for the text typed at it.
void TextPeerImpl::SetSelFormat(const Font& font) {
  if (sel_length_ == 0) {
    caret_format_ = Restyled(FormatOf(SelFormat()), font);
    return;
  }
  std::size_t from = ByteOffset(sel_start_), to = ByteOffset(sel_start_ + sel_length_);
  rtf::RichText result;
  std::size_t at = 0;
  for (const rtf::Run& run : doc_.runs) {
    std::size_t begin = at, end = at + run.text.size();
    at = end;
    std::string_view text = run.text;
    std::size_t in_from = std::clamp(from, begin, end) - begin, in_to = std::clamp(to, begin, end) - begin;
    result.Append(text.substr(0, in_from), run.format);
    result.Append(text.substr(in_from, in_to - in_from), Restyled(run.format, font));
    result.Append(text.substr(in_to), run.format);
  }
  int start = sel_start_, length = sel_length_;
  SetDocument(std::move(result));
  sel_start_ = start;
  sel_length_ = length;
  modified_ = true;
}

// The format of the first selected character; at an empty selection, that of the text typed
// there: the given one, or the character's before it.
Font TextPeerImpl::SelFormat() {
  if (sel_length_ == 0 && caret_format_) return FontOf(*caret_format_);
  std::size_t offset = ByteOffset(sel_start_);
  if (sel_length_ == 0 && offset > 0) offset = ByteOffset(sel_start_ - 1);
  std::size_t at = 0;
  for (const rtf::Run& run : doc_.runs) {
    at += run.text.size();
    if (offset < at) return FontOf(run.format);
  }
  return FontOf(doc_.runs.empty() ? format_ : doc_.runs.back().format);
}

// Lines of text are laid out whole; a line that ends a paragraph holds its mark too.
int TextPeerImpl::LineOf(int position) {
  const std::vector<std::string>& lines = Layout();
  const std::string t = doc_.Text();
  std::size_t at = 0;
  int start = 0;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    int chars = 0;
    for (std::size_t i = 0; i < lines[line].size(); i += core::cp932::CharLength(lines[line], i)) ++chars;
    at += lines[line].size();
    bool paragraph_end = at < t.size() && t[at] == '\r';
    if (paragraph_end) ++at;
    int end = start + chars + (paragraph_end ? 1 : 0);
    if (position < end || line + 1 == lines.size()) return static_cast<int>(line);
    start = end;
  }
  return 0;
}

void TextPeerImpl::ScrollCaret() {
  const int edge = border_ ? kClientEdge : 0;
  int line_height = std::max(1, rtf::PixelsFromHalfPoints(format_.halfPoints));
  int shown = std::max(1, (bounds_.height - 2 * edge) / line_height);
  int caret = LineOf(sel_start_ + sel_length_);
  if (caret < first_visible_line_)
    first_visible_line_ = caret;
  else if (caret >= first_visible_line_ + shown)
    first_visible_line_ = caret - shown + 1;
}

namespace {
// The headless printer's printable area, in the pixels of the deterministic text metrics.
constexpr int kPaperWidth = 720, kPaperHeight = 1000;
}  // namespace

// The paper wraps the text at its width; a page takes the lines that fit its height whole.
void TextPeerImpl::Print(const PrinterChoice& printer, const std::string& document_name) {
  bool wrap = wrap_;
  wrap_ = true;
  std::vector<std::string> lines = LayoutIn(kPaperWidth);
  wrap_ = wrap;
  int line_height = std::max(1, rtf::PixelsFromHalfPoints(format_.halfPoints));
  std::size_t per_page = static_cast<std::size_t>(std::max(1, kPaperHeight / line_height));
  PrintJob job{printer.device, document_name, {}};
  for (std::size_t at = 0; at < lines.size(); at += per_page) {
    std::string page;
    for (std::size_t i = at; i < std::min(lines.size(), at + per_page); ++i) page += (i > at ? "\r\n" : "") + lines[i];
    job.pages.push_back(std::move(page));
  }
  TheWorld().print_jobs.push_back(std::move(job));
}

// The scroll bar shows only once the lines are taller than the editor.
int TextPeerImpl::ClientWidth() {
  ++TheWorld().state_reads;
  return InnerWidth();
}

int TextPeerImpl::InnerWidth() {
  const int edge = border_ ? kClientEdge : 0;
  int inside = bounds_.width - 2 * edge;
  if (bars_ != ScrollBars::Vertical) return inside;
  int line_height = rtf::PixelsFromHalfPoints(format_.halfPoints);
  bool overflows = static_cast<int>(LayoutIn(inside).size()) * line_height > bounds_.height - 2 * edge;
  return overflows ? inside - kScrollBarWidth : inside;
}

// The selected text with CR LF line ends; the rich edit's closing paragraph mark is not copied.
std::string TextPeerImpl::Selected() {
  std::string t = doc_.Text();
  std::size_t from = ByteOffset(sel_start_), to = ByteOffset(sel_start_ + sel_length_);
  std::string out;
  for (char c : std::string_view(t).substr(from, to - from)) {
    if (c == '\r')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

void TextPeerImpl::Cut() {
  Copy();
  ReplaceSel("");
}

void TextPeerImpl::Copy() { TheWorld().clipboard = Selected(); }

void TextPeerImpl::Paste() { ReplaceSel(backend::ClipboardText()); }

namespace {
constexpr int kDelete = 0x2E;
}

void TextPeerImpl::DeleteAtCaret(bool backwards) {
  if (sel_length_ == 0) {
    if (backwards && sel_start_ > 0)
      SetSel(sel_start_ - 1, 1);
    else if (!backwards && sel_start_ < Length())
      SetSel(sel_start_, 1);
    if (sel_length_ == 0) return;
  }
  ReplaceSel("");
}

void TextPeerImpl::KeyDown(int key) {
  control_.HandleKeyDown(key, 0);
  if (key == kDelete && !read_only_) DeleteAtCaret(false);
}

void TextPeerImpl::Char(std::string_view ch) {
  if (read_only_ || ch.empty()) return;
  if (ch == "\b")
    DeleteAtCaret(true);
  else if (single_line_ && (ch == "\r" || ch == "\t"))
    return;  // a single line takes neither
  else if (ch == "\r")
    ReplaceSel("\r");
  else if (ch == "\t" || static_cast<unsigned char>(ch[0]) >= 0x20)
    ReplaceSel(std::string(ch));
}

void TextPeerImpl::ButtonDown(MouseButton button, Point at) { control_.HandleMouseDown(button, 0, at); }

void TextPeerImpl::MouseMove(Point at) { control_.HandleMouseMove(0, at); }

void TextPeerImpl::ButtonUp(MouseButton button, Point at) {
  control_.HandleMouseUp(button, 0, at);
  if (button == MouseButton::Right) control_.HandleContextMenu(ClientToScreen(at));
}

// Paragraphs, each wrapped at the client width when word wrap is on: after the last space
// that still fits, or else before the character that does not.
const std::vector<std::string>& TextPeerImpl::Layout() { return LayoutIn(InnerWidth()); }

const std::vector<std::string>& TextPeerImpl::LayoutIn(int width) {
  std::pair<bool, int> key{wrap_, wrap_ ? width : 0};
  if (auto cached = layouts_.find(key); cached != layouts_.end()) return cached->second;
  // Two widths serve a tick: with and without the scroll bar; more would only pile up.
  if (layouts_.size() >= 2) layouts_.clear();
  ++TheWorld().text_layouts;
  std::vector<std::string>& lines = layouts_[key];
  lines.assign(1, std::string());
  int used = 0;
  std::size_t last_space = std::string::npos;
  for (const rtf::Run& run : doc_.runs) {
    int h = rtf::PixelsFromHalfPoints(run.format.halfPoints);
    for (std::size_t i = 0; i < run.text.size();) {
      std::size_t n = core::cp932::CharLength(run.text, i);
      std::string ch = run.text.substr(i, n);
      i += n;
      if (ch == "\r") {
        lines.emplace_back();
        used = 0;
        last_space = std::string::npos;
        continue;
      }
      int w = CharWidth(n, h);
      if (wrap_ && used + w > width && !lines.back().empty()) {
        std::string carry;
        if (last_space != std::string::npos) {
          carry = lines.back().substr(last_space + 1);
          lines.back().erase(last_space + 1);
        }
        lines.push_back(carry);
        used = TextWidth(carry, h);  // the carried word may hold full-width characters
        last_space = std::string::npos;
      }
      if (ch == " ") last_space = lines.back().size();
      lines.back() += ch;
      used += w;
    }
  }
  return lines;
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<TextPeer> NewEditPeer(Edit& edit, WindowPeer&) {
  return std::make_unique<headless::TextPeerImpl>(edit, false, true);
}

std::unique_ptr<TextPeer> NewMemoPeer(Memo& memo, WindowPeer&) {
  return std::make_unique<headless::TextPeerImpl>(memo, false);
}

std::unique_ptr<RichEditPeer> NewRichEditPeer(RichEdit& edit, WindowPeer&) {
  return std::make_unique<headless::TextPeerImpl>(edit, true);
}

}  // namespace ui::backend
