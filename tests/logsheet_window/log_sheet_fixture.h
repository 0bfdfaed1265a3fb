#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "logsheet/log_sheet_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/file.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

// The log sheet window, shown, on a fresh desktop with a folder for its files.
class LogSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(ui::headless::HostPath("C:\\notes"));
    app.CreateForm(palette);  // the main window is another, as in the program: closing hides the sheet
    app.CreateForm(sheet);
    sheet->Show();
  }
  void TearDown() override { ui::headless::SetFileFault(nullptr); }

  core::OutlineTree& Items() { return sheet->olTree.Items(); }
  int Selected() { return Items().Selected(); }
  std::string TextOf(int i) { return std::string(Items().ItemAt(i).ItemText()); }

  // Replaces the sheet by items at the given levels, each with a one-line note equal to its
  // text, all stored; item 1 selected and shown, nothing dirty.
  void Build(const std::vector<std::pair<int, std::string>>& items) {
    sheet->ClearSheet();
    for (auto& [level, text] : items) {
      Items().AppendAtLevel(level, text);
      sheet->Notes.Store(sheet->SpanOf(Items().Count()), {text});
    }
    Items().SetSelected(1);
    sheet->ShowNote();
    sheet->Dirty = false;
    sheet->ShowIndex();
  }
  // The pane's text replaced as the user would replace it.
  void TypeNote(const std::string& text) {
    sheet->moNote.SelectAll();
    ui::probe::Type(sheet->moNote, text);
  }
  // The pane's text replaced by what another program put on the clipboard: control characters
  // come into a note this way, not by typing.
  void PasteNote(const std::string& text) {
    ui::probe::PutOnClipboard(text);
    sheet->moNote.SelectAll();
    sheet->moNote.PasteFromClipboard();
  }
  // A click on a row of the outline, counted from the view's top row.
  void ClickRow(int row) {
    ui::probe::ClickAt(sheet->olTree, {ui::OutlineView::kIndent, row * ui::OutlineView::kRowHeight + 1});
  }
  std::vector<std::string> NoteOf(int i) { return sheet->Notes.NoteOf(sheet->SpanOf(i)); }
  std::string Bytes(const std::string& path) { return ui::ReadFileBytes(path); }
  std::vector<std::string> Errors() {
    std::vector<std::string> texts;
    for (auto& b : ui::probe::Boxes()) texts.push_back(b.text);
    return texts;
  }

  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
  struct StandIn : ui::Form{StandIn() : ui::Form("TMain"){}}* palette = nullptr;
  TMainOut* sheet = nullptr;
  const std::string base = "C:\\notes\\日誌";
};
