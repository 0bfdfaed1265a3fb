// The hand's input and registry work that both backends share, written over their primitives.

#include "ui/probe.h"

#include "core/cp932.h"

namespace ui::probe {

std::string_view CharOfKey(int key, unsigned shift) {
  if (shift & (ssCtrl | ssAlt)) return {};
  switch (key) {
    case 0x08:
      return "\b";
    case 0x09:
      return "\t";
    case 0x0D:
      return "\r";
    case 0x1B:
      return "\x1b";
    case 0x6A:
      return "*";
    case 0x6B:
      return "+";
    case 0x6D:
      return "-";
    default:
      return {};
  }
}

void PressKey(TextControl& control, int key) {
  KeyDown(control, key);
  if (std::string_view ch = CharOfKey(key); !ch.empty()) Char(control, ch);
  KeyUp(control, key);
}

void PressKey(OutlineView& view, int key, unsigned shift) {
  KeyDown(view, key, shift);
  if (std::string_view ch = CharOfKey(key, shift); !ch.empty()) Char(view, ch);
  KeyUp(view, key);
}

void Type(TextControl& control, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = core::cp932::CharLength(text, i);
    Char(control, text.substr(i, n));
    i += n;
  }
}

void PlantRegistryString(const std::string& key, const std::string& name, const std::string& text) {
  PlantRegistryValue(key, name, {kRegSz, text + '\0'});
}

void PlantRegistryDword(const std::string& key, const std::string& name, std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
  PlantRegistryValue(key, name, {kRegDword, bytes});
}

std::optional<std::uint32_t> NativeRegistryDword(const std::string& key, const std::string& name) {
  auto v = NativeRegistryValue(key, name);
  if (!v || v->type != kRegDword || v->data.size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(v->data[i]);
  return value;
}

}  // namespace ui::probe
