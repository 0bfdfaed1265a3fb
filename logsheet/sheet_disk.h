#pragma once
// The disk that the sheet's files are read from and committed to: the toolkit's file steps,
// each of which the headless desktop can fail.

#include <string>
#include <string_view>

#include "core/sheet_commit.h"

class ToolkitDisk : public core::SheetDisk {
 public:
  bool Exists(const std::string& path) override;
  std::string Read(const std::string& path) override;
  void ReadPieces(const std::string& path, std::size_t piece, const core::ByteSink& take) override;
  void WriteFlushed(const std::string& path, std::string_view bytes) override;
  void WritePieces(const std::string& path, const core::ByteSource& source) override;
  void RenameReplacing(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;
};
