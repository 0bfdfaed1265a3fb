#include "logsheet/sheet_disk.h"

#include "ui/file.h"

bool ToolkitDisk::Exists(const std::string& path) { return ui::FileExists(path); }
std::string ToolkitDisk::Read(const std::string& path) { return ui::ReadFileBytes(path); }
void ToolkitDisk::ReadPieces(const std::string& path, std::size_t piece, const core::ByteSink& take) {
  ui::ReadFilePieces(path, piece, take);
}
void ToolkitDisk::WriteFlushed(const std::string& path, std::string_view bytes) { ui::WriteFileFlushed(path, bytes); }
void ToolkitDisk::WritePieces(const std::string& path, const core::ByteSource& source) {
  ui::WriteFileFlushed(path, source);
}
void ToolkitDisk::RenameReplacing(const std::string& from, const std::string& to) { ui::RenameReplacing(from, to); }
void ToolkitDisk::Remove(const std::string& path) { ui::RemoveFile(path); }
