// AppU: the application name that begins the banner, the messages and the report.
#pragma once

#include <string>

#include "platform/unit_table.h"

namespace AppU {

const std::string& AppName();
void SetAppName(std::string name);

/// Clears the name at shut-down.
extern const Runtime::Unit kUnit;

}  // namespace AppU
