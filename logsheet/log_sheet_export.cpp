// The log sheet taken out of the program: as a text file, or as a web page, each through a
// save dialog. The file is written beside its name and takes the name only once it is whole, so
// that an export cut short never replaces a good one.

#include "core/cp932.h"
#include "core/sheet_export.h"
#include "logsheet/log_sheet_window.h"
#include "ui/file.h"

namespace {

constexpr char kTextFilter[] = "テキスト(*.txt)|*.txt";
constexpr char kWebPageFilter[] = "Webページ(*.html)|*.html;*.htm";

void WriteWhole(const std::string& path, const core::ByteSource& bytes) {
  const std::string temp = path + ".new";
  try {
    ui::WriteFileFlushed(temp, bytes);
    ui::RenameReplacing(temp, path);
  } catch (...) {
    try {
      ui::RemoveFile(temp);
    } catch (...) {
    }
    throw;
  }
}

}  // namespace

// The sheet's name, without its folder: the web page's title.
std::string TMainOut::SheetTitle() const {
  const std::string caption = Caption();
  const std::size_t cut = core::cp932::FindLastChar(caption, "\\:");
  return cut == std::string::npos ? caption : caption.substr(cut + 1);
}

void TMainOut::mnExportTextClick() {
  ExportThroughDialog(kTextFilter, "txt", [this] { return core::TextExport(olTree.Items(), Notes); });
}

void TMainOut::mnExportHtmlClick() {
  ExportThroughDialog(kWebPageFilter, "html",
                      [this] { return core::HtmlExport(olTree.Items(), Notes, SheetTitle()); });
}

void TMainOut::ExportThroughDialog(const char* filter, const char* ext, const std::function<core::ByteSource()>& bytes) {
  StoreNote(olTree.Items().Selected());
  ShowIndex();
  dlExport.SetFilter(filter);
  dlExport.SetDefaultExt(ext);
  dlExport.SetFileName(SheetTitle() + "." + ext);
  if (!dlExport.Execute()) return;
  HourGlass busy;
  WriteWhole(dlExport.FileName(), bytes());
}
