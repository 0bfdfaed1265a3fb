#pragma once
// A memo window made and shown as the palette shows it, on a fresh headless desktop, with the
// memo state and the settings as a first start leaves them.

#include <gtest/gtest.h>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/headless/fixture.h"
#include "ui/probe.h"

class ShownMemo : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app.CreateForm(Form1);
    memo().Show();
  }
  TForm1& memo() { return *Form1; }
  // A command of the memo's context menu, by the captions on the way to it, as the user picks it
  // after a right click.
  void Choose(std::vector<std::string> path) {
    ui::headless::PickFromMenu(std::move(path));
    ui::probe::MouseDown(memo().Edit1, ui::MouseButton::Right, {20, 5});
    ui::probe::MouseUp(memo().Edit1, ui::MouseButton::Right, {20, 5});
  }

  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
};
