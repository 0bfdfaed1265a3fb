#include "core/note_store.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "core/cp932.h"

namespace core {

namespace {
constexpr char kEndMark = '\x1A';
// 4096-byte outline lines, less 255 TABs, the escape byte and CR LF, with room to spare.
constexpr std::size_t kMaxItemText = 2048;
}  // namespace

std::vector<std::string> StorableLines(std::vector<std::string> lines) {
  bool clean = std::none_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
  });
  if (clean) return lines;
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    std::string piece;
    for (std::size_t i = 0; i < line.size(); ++i) {
      char c = line[i];
      if (c == '\0') continue;
      if (c == '\r' || c == '\n') {
        out.push_back(std::move(piece));
        piece.clear();
        if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
        continue;
      }
      piece += c;
    }
    out.push_back(std::move(piece));
  }
  return out;
}

std::string ItemTextOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return {};
  std::string text;
  const std::string& first = lines.front();
  for (std::size_t i = 0; i < first.size();) {
    std::size_t n = cp932::CharLength(first, i);
    if (text.size() + n > kMaxItemText) break;
    if (!(n == 1 && first[i] == kEndMark)) text.append(first, i, n);
    i += n;
  }
  return text;
}

std::size_t NoteStore::PieceOf(std::uint32_t start) const {
  auto after = std::upper_bound(piece_starts_.begin(), piece_starts_.end(), start);
  return static_cast<std::size_t>(after - piece_starts_.begin()) - 1;
}

std::string_view NoteStore::Line(std::size_t index) const {
  const LineRef& r = lines_[index];
  if (r.size == 0) return "";
  const std::size_t piece = PieceOf(r.start);
  return std::string_view(pieces_[piece]).substr(r.start - piece_starts_[piece], r.size);
}

std::vector<std::string> NoteStore::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) lines.emplace_back(Line(i));
  return lines;
}

std::uint32_t NoteStore::NextStart(std::size_t piece_size) const {
  if (piece_size > UINT32_MAX - end_) throw std::bad_alloc();
  return end_;
}

// Empty pieces are not kept: an empty line is found by its size alone.
void NoteStore::AddPiece(std::string bytes) {
  if (bytes.empty()) return;
  const std::uint32_t start = NextStart(bytes.size());
  // Room in both first, so that a failure leaves them of one length; grown as push_back grows.
  if (pieces_.size() == pieces_.capacity()) pieces_.reserve(2 * pieces_.size() + 1);
  if (piece_starts_.size() == piece_starts_.capacity()) piece_starts_.reserve(2 * piece_starts_.size() + 1);
  pieces_.push_back(std::move(bytes));
  piece_starts_.push_back(start);
  end_ = start + static_cast<std::uint32_t>(pieces_.back().size());
}

void NoteStore::Store(NoteSpan& span, const std::vector<std::string>& lines) {
  span.StartLine = static_cast<std::int32_t>(lines_.size());
  span.LineCount = static_cast<std::int32_t>(lines.size());
  if (lines.empty()) return;
  std::string piece;
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size();
  piece.reserve(size);
  const std::uint32_t start = NextStart(size);
  for (const std::string& line : lines) {
    lines_.push_back({start + static_cast<std::uint32_t>(piece.size()), static_cast<std::uint32_t>(line.size())});
    piece += line;
  }
  AddPiece(std::move(piece));
}

std::vector<std::string> NoteStore::NoteOf(const NoteSpan& span) const {
  auto begin = std::min<std::size_t>(std::max(span.StartLine, 0), lines_.size());
  auto end = std::min<std::size_t>(begin + std::max(span.LineCount, 0), lines_.size());
  std::vector<std::string> note;
  note.reserve(end - begin);
  for (std::size_t i = begin; i < end; ++i) note.emplace_back(Line(i));
  return note;
}

void NoteStore::Compact(std::span<NoteSpan> in_item_order) {
  std::size_t total = 0;
  bool in_order = true;
  for (const NoteSpan& s : in_item_order) {
    if (s.LineCount > 0 && static_cast<std::size_t>(s.StartLine) != total) in_order = false;
    total += s.LineCount;
  }
  // Already end to end, as a loaded or saved sheet is: nothing moves, only empty notes are placed.
  if (in_order && total == lines_.size()) {
    std::size_t at = 0;
    for (NoteSpan& s : in_item_order) {
      s.StartLine = static_cast<std::int32_t>(at);
      at += s.LineCount;
    }
    return;
  }
  std::vector<LineRef> compacted;
  compacted.reserve(total);
  std::vector<bool> used(pieces_.size());
  for (NoteSpan& s : in_item_order) {
    auto begin = lines_.begin() + s.StartLine;
    s.StartLine = static_cast<std::int32_t>(compacted.size());
    for (auto at = begin; at != begin + s.LineCount; ++at) {
      compacted.push_back(*at);
      if (at->size > 0) used[PieceOf(at->start)] = true;
    }
  }
  // The pieces still pointed into keep their order and close up; the others are let go.
  std::vector<std::uint32_t> moved_by(pieces_.size());  // how far each kept piece moves down
  std::uint32_t end = 0;
  for (std::size_t p = 0; p < pieces_.size(); ++p) {
    if (!used[p]) continue;
    moved_by[p] = piece_starts_[p] - end;
    end += static_cast<std::uint32_t>(pieces_[p].size());
  }
  for (LineRef& r : compacted) r.start = r.size > 0 ? r.start - moved_by[PieceOf(r.start)] : 0;
  std::size_t kept = 0;
  for (std::size_t p = 0; p < pieces_.size(); ++p) {
    if (!used[p]) continue;
    piece_starts_[kept] = piece_starts_[p] - moved_by[p];
    if (kept != p) pieces_[kept] = std::move(pieces_[p]);
    ++kept;
  }
  pieces_.resize(kept);
  piece_starts_.resize(kept);
  end_ = end;
  lines_ = std::move(compacted);
}

void NoteStore::Clear() {
  pieces_.clear();
  piece_starts_.clear();
  end_ = 0;
  lines_.clear();
}

ByteSource NoteStore::TxtSource() const {
  return [this](const ByteSink& sink) {
    BlockWriter out(sink);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      std::string_view line = Line(i);
      out.MakeRoom(line.size() + 2);
      out.Block().append(line).append("\r\n");
    }
    out.Finish();
  };
}

void NoteStore::TxtReader::Take(std::string_view piece) {
  if (ended_ || piece.empty()) return;
  if (skip_lf_) {
    skip_lf_ = false;
    if (piece.front() == '\n') piece.remove_prefix(1);
  }
  // The carry holds no line end: only the new bytes are looked through.
  std::size_t at = carry_.size();
  carry_ += piece;
  const char* const bytes = carry_.data();
  const std::size_t size = carry_.size();
  const std::uint32_t start = store_.NextStart(size);
  const std::size_t lines_before = store_.lines_.size();
  std::size_t line = 0;
  for (; at < size; ++at) {
    const char c = bytes[at];
    if (static_cast<unsigned char>(c) > '\r') continue;
    if (c == '\r' || c == '\n') {
      store_.lines_.push_back({start + static_cast<std::uint32_t>(line), static_cast<std::uint32_t>(at - line)});
      if (c == '\r') {
        if (at + 1 == size) {
          skip_lf_ = true;
        } else if (bytes[at + 1] == '\n') {
          ++at;
        }
      }
      line = at + 1;
    } else if (c == '\0') {
      if (at > line) {
        store_.lines_.push_back({start + static_cast<std::uint32_t>(line), static_cast<std::uint32_t>(at - line)});
        line = at;
      }
      ended_ = true;
      break;
    }
  }
  if (store_.lines_.size() == lines_before) {
    if (ended_) carry_.clear();
    return;  // no line ended in these bytes: they all wait for the next piece
  }
  // The piece keeps its whole lines; what follows the last line end opens the next one.
  std::string kept = std::move(carry_);
  carry_.clear();
  if (!ended_) carry_.assign(kept, line);
  kept.resize(line);
  store_.AddPiece(std::move(kept));
}

void NoteStore::TxtReader::Finish() {
  if (!ended_ && !carry_.empty()) {
    store_.lines_.push_back({store_.NextStart(carry_.size()), static_cast<std::uint32_t>(carry_.size())});
    store_.AddPiece(std::move(carry_));
  }
  carry_.clear();
  ended_ = true;
}

}  // namespace core
