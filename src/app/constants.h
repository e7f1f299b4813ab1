// ConstU: texts shared by the program's screens and messages.
#pragma once

#include "platform/unit_table.h"

namespace ConstU {

constexpr char kApplicationName[] = "Quintrel";
constexpr char kVersion[] = "1.0";
constexpr char kWebAddress[] = "https://quintrel.example.org";

/// Holds nothing to start or shut down; listed for its place in the order.
inline const Unit kUnit = {"ConstU", nullptr, nullptr};

}  // namespace ConstU
