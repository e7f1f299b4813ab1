// ParmU: the parameter list, the view of the command line that supplies the file name.
#pragma once

#include <string>

#include "platform/string_list.h"
#include "platform/unit_table.h"

namespace ParmU {

/// Items split at blanks and commas, double quotes protecting both; item 0 is the program.
/// Built at start-up, read-only afterwards.
const Runtime::TStringList& ParmList();

/// Fills list from a raw command line by the item split, then, when lower_switch_items is set,
/// replaces every item that starts with "/" or "-" by its copy with A to Z lowered.
void BuildParameterList(const std::string& raw_command_line, bool lower_switch_items,
                        Runtime::TStringList* list);

/// The byte-wise lowering of a switch item; bytes outside A to Z stay as they are.
std::string LowerSwitchItem(std::string item);

extern const Runtime::Unit kUnit;

}  // namespace ParmU
