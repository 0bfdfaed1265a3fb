#include "core/sheet_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/note_store.h"

namespace core {

namespace {

constexpr std::size_t kRecordSize = 8;

void PutInt32(std::string& out, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::int32_t GetInt32(std::string_view bytes, std::size_t at) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  throw SheetError("ﾌｧｲﾙ " + path + " は壊れています: " + what);
}

}  // namespace

std::vector<std::string> ParseTxt(std::string_view bytes) {
  NoteStore store;
  NoteStore::TxtReader reader(store);
  reader.Take(bytes);
  reader.Finish();
  return store.Lines();
}

std::string BinBytes(const std::vector<NoteSpan>& spans) {
  std::string out;
  out.reserve(spans.size() * kRecordSize);
  for (const NoteSpan& s : spans) {
    PutInt32(out, s.StartLine);
    PutInt32(out, s.LineCount);
  }
  return out;
}

std::vector<NoteSpan> ParseBin(std::string_view bytes, int items, std::size_t lines, const std::string& path) {
  if (bytes.size() / kRecordSize < static_cast<std::size_t>(items)) {
    Refuse(path, std::to_string(items) + " 項目に対して " + std::to_string(bytes.size() / kRecordSize) +
                     " 件の記録しかありません");
  }
  std::vector<NoteSpan> spans(items);
  for (int i = 0; i < items; ++i) {
    NoteSpan& s = spans[i];
    s.StartLine = GetInt32(bytes, i * kRecordSize);
    s.LineCount = GetInt32(bytes, i * kRecordSize + 4);
    if (s.StartLine < 0 || s.LineCount < 0) Refuse(path, "項目 " + std::to_string(i + 1) + " の位置が負です");
    if (static_cast<std::size_t>(s.StartLine) + static_cast<std::size_t>(s.LineCount) > lines) {
      Refuse(path, "項目 " + std::to_string(i + 1) + " のノートが行の範囲を越えています");
    }
  }
  // Spans saved by the program lie end to end in item order: one pass over them checks that no
  // two share a line, with nothing more held. Any other order is sorted before looking.
  auto shares = [](const NoteSpan& a, const NoteSpan& b) {
    return a.LineCount > 0 && b.LineCount > 0 && a.StartLine + a.LineCount > b.StartLine;
  };
  auto refuse_shared = [&](const NoteSpan& s) {
    Refuse(path, "項目 " + std::to_string(&s - spans.data() + 1) + " のノートが他の項目と重なっています");
  };
  const NoteSpan* last = nullptr;
  bool in_order = true;
  for (const NoteSpan& s : spans) {
    if (s.LineCount == 0) continue;
    if (last && s.StartLine < last->StartLine) {
      in_order = false;
      break;
    }
    if (last && shares(*last, s)) refuse_shared(s);
    last = &s;
  }
  if (in_order) return spans;
  std::vector<const NoteSpan*> filled;
  filled.reserve(spans.size());
  for (const NoteSpan& s : spans) {
    if (s.LineCount > 0) filled.push_back(&s);
  }
  std::sort(filled.begin(), filled.end(), [](const NoteSpan* a, const NoteSpan* b) { return a->StartLine < b->StartLine; });
  for (std::size_t k = 1; k < filled.size(); ++k) {
    if (shares(*filled[k - 1], *filled[k])) refuse_shared(*filled[k]);
  }
  return spans;
}

}  // namespace core
