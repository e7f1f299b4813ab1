// ConstU: texts and exit codes shared by the program's screens, messages and run.
#pragma once

#include "platform/runtime.h"
#include "platform/unit_table.h"
#include "version.h"

namespace ConstU {

constexpr char kApplicationName[] = "Quintrel";
constexpr char kVersion[] = QUINTREL_VERSION;
constexpr char kWebAddress[] = QUINTREL_WEB_ADDRESS;

/// What a batch file's error level or a shell's $? tells.
constexpr int kExitNoTabs = 0;
constexpr int kExitTabsFound = 1;
constexpr int kExitError = Runtime::kExitFailure;  // also usage, help and a missing file

/// Holds nothing to start or shut down; listed for its place in the order.
inline const Runtime::Unit kUnit = {"ConstU", nullptr, nullptr};

}  // namespace ConstU
