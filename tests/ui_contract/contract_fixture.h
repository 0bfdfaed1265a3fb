#pragma once

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/probe.h"

// A clean platform and application object for each contract test.
class Contract : public ::testing::Test {
 protected:
  ui::probe::Session session{[](const std::string& fault) { ADD_FAILURE() << fault; }};
  ui::App app;
};

// A form as the program makes them: named window class, its handlers counted.
class CountingForm : public ui::Form {
 public:
  CountingForm() : ui::Form("TContractForm") {
    OnCreate = [this] { ++created; };
    OnShow = [this] { ++shown; };
    OnDestroy = [this] { ++*destroyed; };
    OnCloseQuery = [this](bool& can_close) {
      ++close_queries;
      can_close = allow_close;
    };
  }
  int created = 0, shown = 0, close_queries = 0;
  int own_destroyed = 0;
  int* destroyed = &own_destroyed;
  bool allow_close = true;
};
