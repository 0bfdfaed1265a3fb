#include "core/rtf/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "core/cp932.h"

namespace core::rtf {

namespace {

// Deeper nesting than any control writes; the limit keeps the group stack small.
constexpr std::size_t kMaxGroupDepth = 128;
// The format caps control words at 32 letters and parameters at a signed 32-bit number.
constexpr std::size_t kMaxControlWordLength = 32;
constexpr std::size_t kMaxParameterDigits = 10;
// The control's largest font size, 1638 points.
constexpr int kMaxHalfPoints = 3276;

enum class Destination { Text, FontTable, ColorTable, Skip };

// Character formatting as the document states it, before the tables resolve it.
struct StateFormat {
  int font = -1;   // -1: the document's default font (\deff)
  int color = -1;  // colour table index; -1: automatic
  int halfPoints = kDefaultHalfPoints;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const StateFormat&) const = default;
};

struct GroupState {
  Destination destination = Destination::Text;
  StateFormat format;
  int unicodeFallback = 1;  // \ucN: bytes that stand in for each \uN
};

// The keyword tables read best as they are laid out.
// clang-format off
enum class Word {
  Par, Line, Tab, EmDash, EnDash, LQuote, RQuote, LDblQuote, RDblQuote, Bullet, Space,
  Bold, Italic, Underline, UnderlineNone, Strike, FontSize, ColorIndex, Font, FontCharset,
  DefaultFont, Plain, UnicodeSkip, Unicode, Red, Green, Blue, FontTable, ColorTable, Bin,
  SkipDestination,
};

const std::unordered_map<std::string_view, Word>& Words() {
  static const std::unordered_map<std::string_view, Word> words = {
      {"par", Word::Par}, {"line", Word::Line}, {"tab", Word::Tab},
      {"emdash", Word::EmDash}, {"endash", Word::EnDash}, {"lquote", Word::LQuote},
      {"rquote", Word::RQuote}, {"ldblquote", Word::LDblQuote}, {"rdblquote", Word::RDblQuote},
      {"bullet", Word::Bullet}, {"emspace", Word::Space}, {"enspace", Word::Space},
      {"qmspace", Word::Space},
      {"b", Word::Bold}, {"i", Word::Italic}, {"ul", Word::Underline}, {"uld", Word::Underline},
      {"uldb", Word::Underline}, {"uldash", Word::Underline}, {"uldashd", Word::Underline},
      {"uldashdd", Word::Underline}, {"ulw", Word::Underline}, {"ulwave", Word::Underline},
      {"ulth", Word::Underline}, {"ulhwave", Word::Underline}, {"ululdbwave", Word::Underline},
      {"ulnone", Word::UnderlineNone}, {"strike", Word::Strike}, {"striked", Word::Strike},
      {"fs", Word::FontSize}, {"cf", Word::ColorIndex}, {"f", Word::Font},
      {"fcharset", Word::FontCharset}, {"deff", Word::DefaultFont}, {"plain", Word::Plain},
      {"uc", Word::UnicodeSkip}, {"u", Word::Unicode}, {"red", Word::Red},
      {"green", Word::Green}, {"blue", Word::Blue}, {"fonttbl", Word::FontTable},
      {"colortbl", Word::ColorTable}, {"bin", Word::Bin},
      // Destinations whose content is not the document's text.
      {"info", Word::SkipDestination}, {"stylesheet", Word::SkipDestination},
      {"pict", Word::SkipDestination}, {"object", Word::SkipDestination},
      {"nonshppict", Word::SkipDestination}, {"header", Word::SkipDestination},
      {"headerl", Word::SkipDestination}, {"headerr", Word::SkipDestination},
      {"headerf", Word::SkipDestination}, {"footer", Word::SkipDestination},
      {"footerl", Word::SkipDestination}, {"footerr", Word::SkipDestination},
      {"footerf", Word::SkipDestination}, {"footnote", Word::SkipDestination},
      {"fldinst", Word::SkipDestination}, {"pntext", Word::SkipDestination},
      {"pntxta", Word::SkipDestination}, {"pntxtb", Word::SkipDestination},
      {"listtable", Word::SkipDestination}, {"listoverridetable", Word::SkipDestination},
      {"rsidtbl", Word::SkipDestination}, {"generator", Word::SkipDestination},
      {"xmlnstbl", Word::SkipDestination}, {"themedata", Word::SkipDestination},
      {"colorschememapping", Word::SkipDestination}, {"latentstyles", Word::SkipDestination},
      {"datastore", Word::SkipDestination}, {"filetbl", Word::SkipDestination},
      {"revtbl", Word::SkipDestination}, {"author", Word::SkipDestination},
      {"operator", Word::SkipDestination}, {"title", Word::SkipDestination},
      {"subject", Word::SkipDestination}, {"keywords", Word::SkipDestination},
      {"comment", Word::SkipDestination}, {"doccomm", Word::SkipDestination},
      {"company", Word::SkipDestination}, {"annotation", Word::SkipDestination},
      {"atnid", Word::SkipDestination}, {"atnauthor", Word::SkipDestination},
      {"xe", Word::SkipDestination}, {"tc", Word::SkipDestination},
      {"template", Word::SkipDestination}, {"userprops", Word::SkipDestination},
      {"docvar", Word::SkipDestination}, {"bkmkstart", Word::SkipDestination},
      {"bkmkend", Word::SkipDestination},
  };
  return words;
}
// clang-format on

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

[[noreturn]] void Refuse(const char* why) { throw RtfError(RtfError::Kind::Malformed, why); }

struct FontEntry {
  std::string name;
  int charset = kDefaultCharset;
};

class Reader {
 public:
  explicit Reader(std::string_view data) : data_(data) {}

  RichText Read() {
    while (pos_ < data_.size()) {
      unsigned char c = static_cast<unsigned char>(data_[pos_++]);
      switch (c) {
        case '{':
          OpenGroup();
          break;
        case '}':
          CloseGroup();
          if (groups_.empty()) return Finish();
          break;
        case '\\':
          ReadControl();
          break;
        case '\r':
        case '\n':
        case '\0':
          break;  // line breaks of the file itself carry no text
        case '\t':
          Break('\t');
          break;
        default:
          Byte(c);
          break;
      }
    }
    Refuse("the document ends inside a group");
  }

 private:
  GroupState& State() { return groups_.back(); }

  void OpenGroup() {
    if (groups_.size() >= kMaxGroupDepth) Refuse("groups nested too deep");
    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
    fallbackLeft_ = 0;
  }

  void CloseGroup() {
    if (State().destination == Destination::FontTable) CommitFont();
    groups_.pop_back();
    fallbackLeft_ = 0;
  }

  void ReadControl() {
    if (pos_ >= data_.size()) Refuse("a backslash ends the document");
    unsigned char c = static_cast<unsigned char>(data_[pos_]);
    if (IsLetter(c)) return ReadControlWord();
    ++pos_;
    switch (c) {
      case '\'': {
        int hi = pos_ < data_.size() ? HexValue(static_cast<unsigned char>(data_[pos_])) : -1;
        int lo = pos_ + 1 < data_.size() ? HexValue(static_cast<unsigned char>(data_[pos_ + 1])) : -1;
        if (hi < 0 || lo < 0) Refuse("\\' without two hex digits");
        pos_ += 2;
        Byte(static_cast<unsigned char>(hi * 16 + lo), true);
        return;
      }
      case '\\':
      case '{':
      case '}':
        Byte(c);
        return;
      case '*':
        State().destination = Destination::Skip;
        return;
      case '~':
        Byte(' ');
        return;
      case '_':
        Byte('-');
        return;
      case '\r':
      case '\n':
        Break('\r');
        return;
      default:
        SkipFallback();
        return;  // optional hyphen, index marks and the like show nothing
    }
  }

  void ReadControlWord() {
    std::size_t start = pos_;
    while (pos_ < data_.size() && IsLetter(static_cast<unsigned char>(data_[pos_]))) ++pos_;
    if (pos_ - start > kMaxControlWordLength) Refuse("control word too long");
    std::string_view name = data_.substr(start, pos_ - start);
    bool hasParam = false;
    std::int64_t param = 0;
    bool negative =
        pos_ + 1 < data_.size() && data_[pos_] == '-' && IsDigit(static_cast<unsigned char>(data_[pos_ + 1]));
    if (negative) ++pos_;
    std::size_t digits = 0;
    while (pos_ < data_.size() && IsDigit(static_cast<unsigned char>(data_[pos_]))) {
      if (++digits > kMaxParameterDigits) Refuse("numeric parameter too long");
      param = param * 10 + (data_[pos_++] - '0');
      hasParam = true;
    }
    if (negative) param = -param;
    if (param < INT32_MIN || param > INT32_MAX) Refuse("numeric parameter out of range");
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    Control(name, hasParam, static_cast<int>(param));
  }

  void Control(std::string_view name, bool hasParam, int param) {
    auto found = Words().find(name);
    if (found == Words().end()) return SkipFallback();
    Word word = found->second;
    if (word == Word::Bin) {
      if (!hasParam || param < 0) Refuse("\\bin without a length");
      if (static_cast<std::size_t>(param) > data_.size() - pos_) Refuse("\\bin runs past the end");
      pos_ += static_cast<std::size_t>(param);  // binary data is never text
      fallbackLeft_ = 0;
      return;
    }
    if (fallbackLeft_ > 0 && word != Word::Unicode) return SkipFallback();
    bool on = !hasParam || param != 0;
    StateFormat& f = State().format;
    switch (word) {
      case Word::Par:
        return Break('\r');
      case Word::Line:
        return Break('\v');
      case Word::Tab:
        return Break('\t');
      case Word::EmDash:
        return Bytes("\x81\x5C");
      case Word::EnDash:
        return Byte('-');
      case Word::LQuote:
        return Bytes("\x81\x65");
      case Word::RQuote:
        return Bytes("\x81\x66");
      case Word::LDblQuote:
        return Bytes("\x81\x67");
      case Word::RDblQuote:
        return Bytes("\x81\x68");
      case Word::Bullet:
        return Bytes("\x81\x45");
      case Word::Space:
        return Byte(' ');
      case Word::Bold:
        f.bold = on;
        return;
      case Word::Italic:
        f.italic = on;
        return;
      case Word::Underline:
        f.underline = on;
        return;
      case Word::UnderlineNone:
        f.underline = false;
        return;
      case Word::Strike:
        f.strikeOut = on;
        return;
      case Word::FontSize:
        if (hasParam && param > 0) f.halfPoints = std::min(param, kMaxHalfPoints);
        return;
      case Word::ColorIndex:
        f.color = std::max(param, 0);
        return;
      case Word::Font:
        if (State().destination == Destination::FontTable) {
          CommitFont();
          fontOpen_ = true;
          fontNumber_ = param;
          font_ = FontEntry{};
        } else if (hasParam) {
          f.font = param;
        }
        return;
      case Word::FontCharset:
        if (fontOpen_ && param >= 0 && param <= 255) font_.charset = param;
        return;
      case Word::DefaultFont:
        defaultFont_ = param;
        resolved_ = false;
        return;
      case Word::Plain:
        f = StateFormat{};
        return;
      case Word::UnicodeSkip:
        State().unicodeFallback = std::max(param, 0);
        return;
      case Word::Unicode:
        return Unicode(param);
      case Word::Red:
        SetComponent(0, param);
        return;
      case Word::Green:
        SetComponent(8, param);
        return;
      case Word::Blue:
        SetComponent(16, param);
        return;
      case Word::FontTable:
        State().destination = Destination::FontTable;
        return;
      case Word::ColorTable:
        State().destination = Destination::ColorTable;
        return;
      case Word::SkipDestination:
        State().destination = Destination::Skip;
        return;
      case Word::Bin:
        return;
    }
  }

  // A control word or symbol inside a \uN fallback counts as one of its characters.
  void SkipFallback() {
    if (fallbackLeft_ > 0) --fallbackLeft_;
  }

  // The fallback is the character in the document's code page, so it is the better answer
  // wherever there is one; codes that map one to one are converted and their fallback dropped.
  void Unicode(int code) {
    fallbackLeft_ = 0;
    unsigned unit = static_cast<unsigned>(code) & 0xFFFF;
    int fallback = State().unicodeFallback;
    constexpr unsigned kHalfWidthKatakanaFirst = 0xFF61, kHalfWidthKatakanaLast = 0xFF9F;
    constexpr unsigned kCp932HalfWidthKatakana = 0xA1;
    if (unit < 0x80) {
      if (unit != 0) Byte(static_cast<unsigned char>(unit));
    } else if (unit >= kHalfWidthKatakanaFirst && unit <= kHalfWidthKatakanaLast) {
      Byte(static_cast<unsigned char>(unit - kHalfWidthKatakanaFirst + kCp932HalfWidthKatakana));
    } else if (fallback > 0) {
      return;  // the fallback bytes that follow are read as text
    } else {
      Byte('?');
    }
    fallbackLeft_ = fallback;
  }

  void SetComponent(int shift, int value) {
    if (State().destination != Destination::ColorTable) return;
    std::uint32_t v = static_cast<std::uint32_t>(std::clamp(value, 0, 255));
    color_ = (color_ & ~(0xFFu << shift)) | (v << shift);
    colorGiven_ = true;
  }

  void CommitFont() {
    if (!fontOpen_) return;
    fontOpen_ = false;
    std::string& name = font_.name;
    std::size_t first = name.find_first_not_of(' ');
    std::size_t last = name.find_last_not_of(' ');
    name =
        first == std::string::npos ? std::string() : ClampFace(std::string_view(name).substr(first, last - first + 1));
    fonts_[fontNumber_] = std::move(font_);
    resolved_ = false;
  }

  void Bytes(std::string_view bytes) {
    for (char c : bytes) Byte(static_cast<unsigned char>(c));
  }

  // One byte of text in the current destination; the two bytes of a double-byte character are
  // kept together, and a lead byte left without its second byte is dropped. Only a ';' of its
  // own, not an escaped one, ends a table entry.
  void Byte(unsigned char c, bool escaped = false) {
    if (fallbackLeft_ > 0) {
      --fallbackLeft_;
      return;
    }
    switch (State().destination) {
      case Destination::Skip:
        return;
      case Destination::FontTable:
        if (c == ';' && !escaped) {
          CommitFont();
        } else if (fontOpen_) {
          font_.name.push_back(static_cast<char>(c));
        }
        return;
      case Destination::ColorTable:
        if (c == ';' && !escaped) {
          colors_.push_back(colorGiven_ ? color_ : kAutoColor);
          color_ = 0;
          colorGiven_ = false;
          resolved_ = false;
        }
        return;
      case Destination::Text:
        break;
    }
    if (c == 0) return;       // a NUL would cut the text short wherever it is passed on as a C string
    if (c == '\n') c = '\r';  // the control's text knows one paragraph mark
    if (hasLead_) {
      hasLead_ = false;
      if (IsTrailByte(c)) {
        const char pair[2] = {static_cast<char>(lead_), static_cast<char>(c)};
        return Append(std::string_view(pair, 2));
      }
    }
    if (cp932::IsLeadByte(c)) {
      lead_ = c;
      hasLead_ = true;
      return;
    }
    const char one = static_cast<char>(c);
    Append(std::string_view(&one, 1));
  }

  void Break(char mark) {
    if (fallbackLeft_ > 0) {
      --fallbackLeft_;
      return;
    }
    if (State().destination != Destination::Text) return;
    hasLead_ = false;
    Append(std::string_view(&mark, 1));
  }

  void Append(std::string_view text) {
    const StateFormat& f = State().format;
    if (resolved_ && f == resolvedFrom_ && appendsToLast_) {
      result_.runs.back().text.append(text);
      return;
    }
    if (!resolved_ || f != resolvedFrom_) {
      resolvedFrom_ = f;
      resolved_ = true;
      format_ = CharFormat{};
      auto font = fonts_.find(f.font < 0 ? defaultFont_ : f.font);
      if (font != fonts_.end()) {
        format_.face = font->second.name;
        format_.charset = font->second.charset;
      }
      format_.halfPoints = f.halfPoints;
      format_.bold = f.bold;
      format_.italic = f.italic;
      format_.underline = f.underline;
      format_.strikeOut = f.strikeOut;
      if (f.color >= 0 && static_cast<std::size_t>(f.color) < colors_.size())
        format_.color = colors_[static_cast<std::size_t>(f.color)];
    }
    result_.Append(text, format_);
    appendsToLast_ = true;
  }

  // The control drops the document's last paragraph mark: its own text has none at the end.
  RichText Finish() {
    if (!result_.runs.empty()) {
      std::string& last = result_.runs.back().text;
      if (last.back() == '\r') last.pop_back();
      if (last.empty()) result_.runs.pop_back();
    }
    return std::move(result_);
  }

  std::string_view data_;
  std::size_t pos_ = 0;
  std::vector<GroupState> groups_;
  int fallbackLeft_ = 0;
  unsigned char lead_ = 0;
  bool hasLead_ = false;

  std::map<int, FontEntry> fonts_;
  int defaultFont_ = 0;
  bool fontOpen_ = false;
  int fontNumber_ = 0;
  FontEntry font_;

  std::vector<std::uint32_t> colors_;
  std::uint32_t color_ = 0;
  bool colorGiven_ = false;

  bool resolved_ = false;       // cleared whenever the tables change what a state resolves to
  bool appendsToLast_ = false;  // the last run has format_: text goes on without comparing
  StateFormat resolvedFrom_;
  CharFormat format_;
  RichText result_;
};

}  // namespace

bool LooksLikeRtf(std::string_view data) { return data.starts_with("{\\rtf"); }

RichText ReadRtf(std::string_view data) {
  if (!LooksLikeRtf(data)) throw RtfError(RtfError::Kind::NotRtf, "not Rich Text Format");
  return Reader(data).Read();
}

}  // namespace core::rtf
