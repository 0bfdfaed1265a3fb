#include "core/sheet_search.h"

#include <algorithm>
#include <cstring>

#include "core/cp932.h"

namespace core {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The full-width forms of ASCII among the signs of lead byte 0x81, by second byte; the letters
// and digits (0x824F..0x829A) follow ASCII's order and are computed.
constexpr std::pair<std::uint8_t, char> kWideSigns[] = {
    {0x40, ' '}, {0x43, ','}, {0x44, '.'}, {0x46, ':'}, {0x47, ';'},  {0x48, '?'}, {0x49, '!'},
    {0x4D, '`'}, {0x4F, '^'}, {0x51, '_'}, {0x5E, '/'}, {0x5F, '\\'}, {0x60, '~'}, {0x62, '|'},
    {0x69, '('}, {0x6A, ')'}, {0x6D, '['}, {0x6E, ']'}, {0x6F, '{'},  {0x70, '}'}, {0x7B, '+'},
    {0x7C, '-'}, {0x81, '='}, {0x83, '<'}, {0x84, '>'}, {0x8F, '\\'},  // "￥", as the code page's '\\' is shown
    {0x90, '$'}, {0x93, '%'}, {0x94, '#'}, {0x95, '&'}, {0x96, '*'},  {0x97, '@'}};

// The ASCII a double-byte character of lead 0x81 or 0x82 is the full-width form of; 0 if none.
constexpr std::array<std::uint8_t, 512> kWideAscii = [] {
  std::array<std::uint8_t, 512> t{};
  for (auto [trail, ascii] : kWideSigns) t[trail] = static_cast<std::uint8_t>(ascii);
  for (int d = 0; d < 10; ++d) t[0x100 + 0x4F + d] = static_cast<std::uint8_t>('0' + d);
  for (int l = 0; l < 26; ++l) {
    t[0x100 + 0x60 + l] = static_cast<std::uint8_t>('A' + l);
    t[0x100 + 0x81 + l] = static_cast<std::uint8_t>('a' + l);
  }
  return t;
}();

// The full-width character each half-width katakana (0xA1..0xDF) stands for: "。「」、・", the
// kana in the order of the code page, "ー", and the marks "゛゜".
constexpr std::uint16_t kHalfKana[63] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,
    0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352,
    0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384,
    0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B};

constexpr std::uint8_t kVoicedMark = 0xDE;      // "ﾞ"
constexpr std::uint8_t kSemiVoicedMark = 0xDF;  // "ﾟ"

// The full-width character a half-width kana and a sound mark after it make ("ｶﾞ" is "ガ",
// "ﾊﾟ" is "パ", "ｳﾞ" is "ヴ"); 0 where the pair makes none. The voiced kana of the code page
// follow their plain ones, the semi-voiced the voiced.
constexpr std::uint16_t Composed(std::uint8_t kana, std::uint8_t mark) {
  const bool ka_to = kana >= 0xB6 && kana <= 0xC4;  // ｶ..ﾄ
  const bool ha_ho = kana >= 0xCA && kana <= 0xCE;  // ﾊ..ﾎ
  if (mark == kVoicedMark) {
    if (kana == 0xB3) return 0x8394;  // ｳ
    if (ka_to || ha_ho) return kHalfKana[kana - 0xA1] + 1;
  } else if (mark == kSemiVoicedMark && ha_ho) {
    return kHalfKana[kana - 0xA1] + 2;
  }
  return 0;
}

constexpr bool IsHalfKana(unsigned b) { return b >= 0xA1 && b <= 0xDF; }
constexpr bool IsDouble(std::uint16_t code) { return code > 0xFF; }

// Whether `at` starts a character, knowing that `known` (at or before it) does; `known` moves
// up to `at`, or to the start of the character `at` lies in. A byte that cannot lead ends a
// character, so only the run of possible lead bytes just before `at` is walked.
bool CharStartsAt(const unsigned char* p, std::size_t at, std::size_t& known) {
  std::size_t j = at;
  while (j > known && cp932::IsLeadByte(p[j - 1])) --j;
  const bool starts = (at - j) % 2 == 0;
  known = starts ? at : at - 1;
  return starts;
}

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

}  // namespace

// ---- the search text --------------------------------------------------------------------------

std::uint16_t LineMatcher::Folded(std::uint16_t code) const {
  if (fold_width_) {
    if (IsHalfKana(code)) {
      code = kHalfKana[code - 0xA1];
    } else if (code >= 0x8100 && code < 0x8300) {
      if (std::uint8_t ascii = kWideAscii[code - 0x8100]) code = ascii;
    } else if (code == 0xEEFB || code == 0xFA56) {  // "＇", twice in the code page
      code = '\'';
    } else if (code == 0xEEFC || code == 0xFA57) {  // "＂"
      code = '"';
    }
  }
  if (fold_case_) {
    if (code >= 'A' && code <= 'Z') code += 'a' - 'A';
    if (code >= 0x8260 && code <= 0x8279) code += 0x8281 - 0x8260;  // "Ａ".."Ｚ"
  }
  return code;
}

LineMatcher::Unit LineMatcher::UnitAt(std::string_view text, std::size_t at) const {
  const auto b = static_cast<unsigned char>(text[at]);
  if (at + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[at + 1]);
    if (cp932::IsLeadByte(b)) return {static_cast<std::uint16_t>(b << 8 | next), 2};
    if (fold_width_ && IsHalfKana(b)) {
      if (std::uint16_t composed = Composed(b, next)) return {composed, 2};
    }
  }
  return {b, 1};
}

LineMatcher::LineMatcher(std::string_view text, SearchOptions options)
    : fold_case_(!options.match_case), fold_width_(!options.match_width), bytes_(text) {
  for (std::size_t i = 0; i < text.size();) {
    Unit u = UnitAt(text, i);
    units_.push_back(Folded(u.code));
    i += u.length;
  }
  if (units_.empty()) return;

  // Every character that folds: the ones a double-byte character of these leads, a single byte
  // or a half-width kana with its mark can be. A character of the text that is none of these
  // and folds to none of them matches only itself.
  std::vector<Unit> forms;  // of the first character
  std::vector<std::uint16_t> targets;
  auto consider = [&](std::uint16_t code, std::uint8_t length) {
    const std::uint16_t folded = Folded(code);
    if (folded != code) targets.push_back(folded);
    if (folded == units_[0]) forms.push_back({code, length});
  };
  for (unsigned b = 0; b < 256; ++b) consider(static_cast<std::uint16_t>(b), 1);
  for (unsigned lead : {0x81u, 0x82u, 0xEEu, 0xFAu}) {
    for (unsigned trail = 0; trail < 256; ++trail) consider(static_cast<std::uint16_t>(lead << 8 | trail), 2);
  }
  if (fold_width_) {
    for (unsigned kana = 0xA1; kana <= 0xDF; ++kana) {
      for (std::uint8_t mark : {kVoicedMark, kSemiVoicedMark}) {
        if (std::uint16_t composed = Composed(static_cast<std::uint8_t>(kana), mark)) {
          targets.push_back(composed);
          if (composed == units_[0]) forms.push_back({static_cast<std::uint16_t>(kana), 2});
        }
      }
    }
  }
  // The first character as itself, where it is a double-byte one no lead above gives.
  if (IsDouble(units_[0]) && std::none_of(forms.begin(), forms.end(), [&](Unit f) { return f.code == units_[0]; })) {
    forms.push_back({units_[0], 2});
  }
  std::sort(targets.begin(), targets.end());

  plain_ = true;
  for (std::size_t i = 0; i < text.size();) {
    Unit u = UnitAt(text, i);
    const bool lead = cp932::IsLeadByte(static_cast<unsigned char>(text[i]));
    // A lead byte with nothing after it, or a kana with its mark.
    const bool dangling_or_pair = lead != (u.length == 2);
    if (dangling_or_pair || Folded(u.code) != u.code || std::binary_search(targets.begin(), targets.end(), u.code)) {
      plain_ = false;
    }
    i += u.length;
  }
  if (plain_) {
    skip_.fill(static_cast<std::uint32_t>(bytes_.size()));
    for (std::size_t i = 0; i + 1 < bytes_.size(); ++i) {
      skip_[static_cast<unsigned char>(bytes_[i])] = static_cast<std::uint32_t>(bytes_.size() - 1 - i);
    }
  }
  starts_with_mark_ =
      fold_width_ && (units_[0] == kHalfKana[kVoicedMark - 0xA1] || units_[0] == kHalfKana[kSemiVoicedMark - 0xA1]);

  // A form is looked for by its second byte where it is a double-byte character (lead bytes are
  // the commonest bytes of Japanese text), else by its first.
  for (Unit f : forms) {
    if (IsDouble(f.code)) {
      key_[f.code & 0xFF] |= 2;
    } else {
      key_[f.code] |= 1;
    }
  }
  for (unsigned b = 0; b < 256; ++b) {
    if (key_[b]) key_words_.push_back(kOnes * b);
  }
}

// ---- one line -----------------------------------------------------------------------------------

std::size_t LineMatcher::MatchAt(std::string_view line, std::size_t at) const {
  std::size_t i = at;
  for (std::uint16_t want : units_) {
    if (i >= line.size()) return 0;
    Unit u = UnitAt(line, i);
    if (Folded(u.code) != want) return 0;
    i += u.length;
  }
  return i - at;
}

std::size_t LineMatcher::Find(std::string_view line, std::size_t from, std::size_t known, std::size_t& length) const {
  if (units_.empty() || from >= line.size()) return npos;
  return plain_ ? FindBytes(line, from, known, length) : FindFolded(line, from, known, length);
}

std::size_t LineMatcher::FindBytes(std::string_view line, std::size_t from, std::size_t known,
                                   std::size_t& length) const {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const auto* b = reinterpret_cast<const unsigned char*>(bytes_.data());
  const std::size_t m = bytes_.size();
  // Horspool's search: the line's byte under the text's last one says how far the text can move.
  for (std::size_t at = from; at + m <= line.size();) {
    const unsigned char under = p[at + m - 1];
    if (under == b[m - 1] && std::memcmp(p + at, b, m - 1) == 0 && CharStartsAt(p, at, known)) {
      length = m;
      return at;
    }
    at += skip_[under];
  }
  return npos;
}

// The first byte at or after `at` that a form of the first character is looked for by; n if
// none. Eight bytes at a time: a word holds a key byte where one of its bytes, xor that key, is
// zero.
std::size_t LineMatcher::NextKey(const unsigned char* p, std::size_t at, std::size_t n) const {
  for (; at + 8 <= n; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + at, 8);
    std::uint64_t zero = 0;
    for (std::uint64_t key : key_words_) {
      const std::uint64_t x = word ^ key;
      zero |= (x - kOnes) & ~x;
    }
    if (zero & kHighs) break;
  }
  for (; at < n; ++at) {
    if (key_[p[at]]) return at;
  }
  return n;
}

std::size_t LineMatcher::FindFolded(std::string_view line, std::size_t from, std::size_t known,
                                    std::size_t& length) const {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  std::size_t tried = npos;  // the last start tried: a start is reached from two key bytes at most
  for (std::size_t q = NextKey(p, from, n); q < n; q = NextKey(p, q + 1, n)) {
    for (int back : {1, 0}) {
      if (!(key_[p[q]] & (1 << back)) || q < from + back) continue;
      const std::size_t at = q - back;
      if (at == tried) continue;
      tried = at;
      const std::size_t known_before = known;
      if (!CharStartsAt(p, at, known)) continue;
      // A sound mark that makes one character with the kana before it is not one of its own.
      if (starts_with_mark_ && at > 0 && Composed(p[at - 1], p[at])) {
        std::size_t before = known_before < at ? known_before : 0;
        if (CharStartsAt(p, at - 1, before)) continue;
      }
      if (std::size_t len = MatchAt(line, at)) {
        length = len;
        return at;
      }
    }
  }
  return npos;
}

// ---- the sheet ----------------------------------------------------------------------------------

SheetSearch::SheetSearch(const OutlineTree& tree, const NoteStore& notes, std::string_view text, SearchOptions options)
    : tree_(tree), notes_(notes), matcher_(text, options) {}

void SheetSearch::SetEditedNote(int item, std::vector<std::string> lines) {
  tree_.ItemAt(item);  // refuses an item that is not there
  auto at =
      std::lower_bound(edited_.begin(), edited_.end(), item, [](const auto& entry, int i) { return entry.first < i; });
  if (at != edited_.end() && at->first == item) {
    at->second = std::move(lines);
  } else {
    edited_.emplace(at, item, std::move(lines));
  }
}

SheetSearch::ItemLines SheetSearch::LinesOf(int item) const {
  const OutlineItem& it = tree_.ItemAt(item);
  ItemLines lines;
  if (!edited_.empty()) {
    auto at = std::lower_bound(edited_.begin(), edited_.end(), item,
                               [](const auto& entry, int i) { return entry.first < i; });
    if (at != edited_.end() && at->first == item) lines.edited = &at->second;
  }
  if (lines.edited) {
    lines.count = static_cast<std::int32_t>(lines.edited->size());
  } else {
    lines.start = it.Span.StartLine;
    lines.count = it.Span.LineCount;
  }
  // The caption is searched where it holds what the note's first line does not: not where it
  // is that line, as the outline file keeps it, or the " " of an empty note.
  const std::string_view caption = it.ItemText();
  if (lines.count == 0) {
    lines.caption = caption != " ";
  } else {
    const std::string_view first = LineOf(item, lines, 1);
    lines.caption = caption != first;
    if (lines.caption && (first.size() > caption.size() || first.find('\x1A') != npos)) {
      lines.caption = caption != ItemTextOf({std::string(first)});
    }
  }
  return lines;
}

std::string_view SheetSearch::LineOf(int item, const ItemLines& lines, int line) const {
  if (line == 0) return tree_.ItemAt(item).ItemText();
  if (lines.edited) return (*lines.edited)[line - 1];
  return notes_.Line(static_cast<std::size_t>(lines.start) + line - 1);
}

std::string_view SheetSearch::LineText(int item, int line) const {
  ItemLines lines = LinesOf(item);
  if (line < 0 || line > lines.count) throw OutlineError(outline_message::kBadIndex);
  return LineOf(item, lines, line);
}

std::optional<SheetHit> SheetSearch::FirstIn(int item, const ItemLines& lines, int line, std::size_t from) const {
  std::size_t length = 0;
  const std::size_t at = matcher_.Find(LineOf(item, lines, line), from, 0, length);
  if (at == npos) return std::nullopt;
  return SheetHit{{item, line, at}, length};
}

std::optional<SheetHit> SheetSearch::LastIn(int item, const ItemLines& lines, int line, std::size_t before) const {
  const std::string_view text = LineOf(item, lines, line);
  std::optional<SheetHit> last;
  std::size_t length = 0;
  for (std::size_t at = matcher_.Find(text, 0, 0, length); at != npos && at < before;
       at = matcher_.Find(text, at + 1, at, length)) {
    last = SheetHit{{item, line, at}, length};
  }
  return last;
}

// The first hit at or after `from` and before `stop`.
std::optional<SheetHit> SheetSearch::Forward(SheetPlace from, SheetPlace stop) const {
  if (from.item < 1) from = {1, 0, 0};
  for (int item = from.item; item <= tree_.Count() && item <= stop.item; ++item) {
    const ItemLines lines = LinesOf(item);
    for (int line = item == from.item ? from.line : 0; line <= lines.count; ++line) {
      if (SheetPlace{item, line, 0} >= stop) return std::nullopt;
      if (line == 0 && !lines.caption) continue;
      auto hit = FirstIn(item, lines, line, item == from.item && line == from.line ? from.offset : 0);
      if (hit) return hit->at < stop ? hit : std::nullopt;
    }
  }
  return std::nullopt;
}

// The last hit before `before` and at or after `stop`.
std::optional<SheetHit> SheetSearch::Backward(SheetPlace before, SheetPlace stop) const {
  if (before.item > tree_.Count()) before = {tree_.Count() + 1, 0, 0};
  for (int item = std::min(before.item, tree_.Count()); item >= 1 && item >= stop.item; --item) {
    const ItemLines lines = LinesOf(item);
    int line = lines.count;
    std::size_t limit = npos;
    if (item == before.item && before.line <= lines.count) {
      line = before.line;
      limit = before.offset;
    }
    for (; line >= 0; --line, limit = npos) {
      if (SheetPlace{item, line, npos} < stop) return std::nullopt;
      if (line == 0 && !lines.caption) continue;
      auto hit = LastIn(item, lines, line, limit);
      if (hit) return hit->at >= stop ? hit : std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<SheetSearch::Found> SheetSearch::Next(SheetPlace from, bool forward) const {
  if (matcher_.Empty()) return std::nullopt;
  if (from.line < 0) from = {from.item, 0, 0};  // nothing lies between the two
  const SheetPlace start{1, 0, 0}, end{tree_.Count() + 1, 0, 0};
  if (forward) {
    if (auto hit = Forward(from, end)) return Found{*hit, false};
    if (auto hit = Forward(start, from)) return Found{*hit, true};
  } else {
    if (auto hit = Backward(from, start)) return Found{*hit, false};
    if (auto hit = Backward(end, std::max(from, start))) return Found{*hit, true};
  }
  return std::nullopt;
}

std::vector<SheetHit> SheetSearch::All(std::size_t limit, std::size_t& total) const {
  std::vector<SheetHit> hits;
  total = 0;
  if (matcher_.Empty()) return hits;
  for (int item = 1; item <= tree_.Count(); ++item) {
    const ItemLines lines = LinesOf(item);
    for (int line = lines.caption ? 0 : 1; line <= lines.count; ++line) {
      const std::string_view text = LineOf(item, lines, line);
      std::size_t length = 0;
      for (std::size_t at = matcher_.Find(text, 0, 0, length); at != npos;
           at = matcher_.Find(text, at + length, at + length, length)) {
        if (hits.size() < limit) hits.push_back({{item, line, at}, length});
        ++total;
      }
    }
  }
  return hits;
}

}  // namespace core
