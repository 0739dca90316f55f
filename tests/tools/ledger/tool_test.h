// What every test of roadtally-ledger as a process starts from: a scratch
// folder for its files and the tool run on given arguments.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ledger/ledger_bytes.h"
#include "tests/support/child_process.h"

using ToolResult = testing_support::ChildProcess::Result;

class ToolTest : public ::testing::Test {
 protected:
  std::string At(const std::string& name) const { return (dir.path() / name).string(); }
  std::string File() const { return At("Roadtally.dat"); }
  static ToolResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), LEDGER_TOOL);
    return testing_support::Run(args);
  }

  ledger_test::ScratchDir dir;
};
