#pragma once
// A sheet disk held in memory, for the readers' and the commit's tests and fuzzers: files by
// path, and a hook that sees each step before it is taken and may fail it (throw) or cut the
// process short there.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/error.h"
#include "core/sheet_commit.h"

namespace core {

class MemoryDisk : public SheetDisk {
 public:
  enum class Step { Read, Write, Rename, Remove };
  // Called before each step with its path (for a rename, the file renamed).
  std::function<void(Step, const std::string&)> before;
  std::map<std::string, std::string, std::less<>> files;
  // Pieces read are cut to this size at most, to try a reader on pieces of every size.
  std::size_t largest_piece = static_cast<std::size_t>(-1);

  bool Exists(const std::string& path) override { return files.contains(path); }
  std::string Read(const std::string& path) override {
    Before(Step::Read, path);
    auto at = files.find(path);
    if (at == files.end()) throw Error(path + " が見つかりません");
    return at->second;
  }
  void ReadPieces(const std::string& path, std::size_t piece, const ByteSink& take) override {
    SheetDisk::ReadPieces(path, piece < largest_piece ? piece : largest_piece, take);
  }
  void WriteFlushed(const std::string& path, std::string_view bytes) override {
    Before(Step::Write, path);
    files[path] = std::string(bytes);
  }
  void RenameReplacing(const std::string& from, const std::string& to) override {
    Before(Step::Rename, from);
    auto at = files.find(from);
    if (at == files.end()) throw Error(from + " が見つかりません");
    std::string bytes = std::move(at->second);
    files.erase(at);
    files[to] = std::move(bytes);
  }
  void Remove(const std::string& path) override {
    Before(Step::Remove, path);
    files.erase(path);
  }

 private:
  void Before(Step step, const std::string& path) {
    if (before) before(step, path);
  }
};

}  // namespace core
