#include "ui/headless/ini_text.h"

#include <iconv.h>

#include <optional>
#include <string_view>
#include <vector>

#include "core/cp932.h"
#include "ui/ini_file.h"

namespace ui::headless {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; }

std::string_view TrimFront(std::string_view s) {
  while (!s.empty() && IsBlank(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  return s;
}

std::string_view TrimBack(std::string_view s) {
  while (!s.empty() && IsBlank(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimBack(TrimFront(s)); }

// Letters fold to one case; the second byte of a double-byte character is left alone.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    std::size_t n = core::cp932::CharLength(a, i);
    if (n == 2) {
      if (a.substr(i, 2) != b.substr(i, 2)) return false;
    } else if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
    i += n;
  }
  return true;
}

// Cut to at most `limit` bytes, never through a double-byte character.
std::string Truncated(std::string_view s, std::size_t limit) {
  std::size_t end = 0;
  while (end < s.size()) {
    std::size_t n = core::cp932::CharLength(s, end);
    if (end + n > limit) break;
    end += n;
  }
  return std::string(s.substr(0, end));
}

// The bytes unchanged when they do not convert.
std::string Convert(const std::string& text, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out(text.size() * 3 / 2 + 4, '\0');
  char* in_p = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char* out_p = out.data();
  std::size_t out_left = out.size();
  std::size_t rc = iconv(cd, &in_p, &in_left, &out_p, &out_left);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return text;
  out.resize(out.size() - out_left);
  return out;
}

using Key = IniText::Key;
using Section = IniText::Section;

}  // namespace

IniText::IniText(std::string text) {
  IniText& profile = *this;
  if (text.starts_with(kUtf8Bom)) {
    profile.utf8 = true;
    text = Convert(text.substr(kUtf8Bom.size()), "CP932", "UTF-8");
  }
  profile.sections.push_back({});
  std::string_view rest(text);
  while (!rest.empty()) {
    std::size_t end = rest.find_first_of("\r\n");
    std::string_view line = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      std::size_t close = core::cp932::FindLastChar(line, "]");
      if (close != std::string_view::npos) {
        profile.sections.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
    }
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
      profile.sections.back().keys.push_back({std::string(line), std::nullopt});
    else
      profile.sections.back().keys.push_back(
          {std::string(TrimBack(line.substr(0, eq))), std::string(TrimFront(line.substr(eq + 1)))});
  }
}

namespace {

// Whether the text ends in a lead byte without its second byte, which would take a "]" written
// after it for its own.
bool EndsInLoneLeadByte(std::string_view text) {
  std::size_t i = 0, last = 0;
  for (; i < text.size(); i += core::cp932::CharLength(text, i)) last = i;
  return !text.empty() && last == text.size() - 1 && core::cp932::IsLeadByte(static_cast<unsigned char>(text.back()));
}

}  // namespace

std::string IniText::Bytes() const {
  const IniText& profile = *this;
  std::string text;
  for (const Section& section : profile.sections) {
    // Every section but the lines before the first header has its header, a blank name's too
    // ("[ ]"), so that its keys never join the section above. A name read from
    // "[... <lead byte> ]" lost its blank to the trim: the blank goes back, so that the header
    // still ends at its "]".
    if (&section != &profile.sections.front()) {
      text += "[" + section.name + (EndsInLoneLeadByte(section.name) ? " " : "") + "]\r\n";
    }
    for (const Key& key : section.keys) text += key.name + (key.value ? "=" + *key.value : "") + "\r\n";
  }
  if (profile.utf8) return std::string(kUtf8Bom) + Convert(text, "UTF-8", "CP932");
  // A file that is not UTF-8 but whose first line starts with the mark's bytes would read back as
  // UTF-8, its first line a section: a blank line ahead keeps it the file it was.
  if (text.starts_with(kUtf8Bom)) text.insert(0, "\r\n");
  return text;
}

namespace {

// The first section of that name: a repeated one is never searched.
template <class P>
auto FindSection(P& profile, std::string_view name) -> decltype(&profile.sections[0]) {
  for (auto& section : profile.sections) {
    if (!section.name.empty() && SameName(section.name, name)) return &section;
  }
  return nullptr;
}

template <class S>
auto FindKey(S& section, std::string_view name) -> decltype(&section.keys[0]) {
  for (auto& key : section.keys) {
    if (SameName(key.name, name)) return &key;
  }
  return nullptr;
}

std::string_view Unquoted(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

}  // namespace

std::string IniText::Read(const std::string& section, const std::string& key, const std::string& default_value) const {
  const Section* s = FindSection(*this, Trim(section));
  const Key* k = s ? FindKey(*s, Trim(key)) : nullptr;
  std::string_view value = k && k->value ? Unquoted(*k->value) : TrimBack(default_value);
  return Truncated(value, kIniValueLimit);
}

void IniText::Write(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = FindSection(*this, Trim(section));
  if (!s) s = &sections.emplace_back(Section{std::string(Trim(section)), {}});
  Key* k = FindKey(*s, Trim(key));
  if (!k) k = &s->keys.emplace_back(Key{std::string(Trim(key)), std::nullopt});
  k->value = std::string(TrimFront(value));
}

}  // namespace ui::headless
