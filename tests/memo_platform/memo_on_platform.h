#pragma once
// The memo window shown on whichever backend is linked in: the headless desktop, or the
// platform under Wine.

#include <gtest/gtest.h>

#include "memo/memo_state.h"
#include "memo/memo_window.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/probe.h"

class MemoOnThePlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app.CreateForm(Form1);
    Form1->Show();
  }
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  ui::App app;
};
