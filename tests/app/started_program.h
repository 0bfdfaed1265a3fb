#pragma once
// The whole program started on the headless desktop as its entry point starts it, the event loop
// entered; for the scenario tests that use the program as its user does.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/startup.h"
#include "memo/memo_state.h"
#include "tests/program_path.h"
#include "ui/application.h"
#include "ui/probe.h"

class StartedProgram : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  // Also a start again, after the program has ended and `app` been let go.
  void Start() {
    Memo = MemoState{};
    Display = DisplaySettings{};
    app = std::make_unique<ui::App>();
    app::StartUp();
    app->Run();
  }
  std::string LastBox() const { return ui::probe::Boxes().empty() ? "" : ui::probe::Boxes().back().text; }

  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }, kProgramPath};
  std::unique_ptr<ui::App> app;
};
