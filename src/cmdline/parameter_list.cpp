#include "cmdline/parameter_list.h"

#include <memory>

#include "platform/os/command_line.h"
#include "platform/runtime.h"

namespace ParmU {
namespace {

std::unique_ptr<Runtime::TStringList> g_parm_list;

bool IsSwitchItem(const std::string& item) {
  return !item.empty() && (item.front() == '/' || item.front() == '-');
}

// The list exists before it is filled, so that shut-down frees whatever a failed build left.
void StartUp() {
  if (g_parm_list) return;
  g_parm_list = std::make_unique<Runtime::TStringList>();
  BuildParameterList(Runtime::RawCommandLine(), os::kLowerSwitchItems, g_parm_list.get());
}

void ShutDown() {
  g_parm_list.reset();
}

}  // namespace

const Runtime::Unit kUnit = {"ParmU", StartUp, ShutDown};

const Runtime::TStringList& ParmList() {
  return *g_parm_list;
}

std::string LowerSwitchItem(std::string item) {
  for (char& c : item) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return item;
}

void BuildParameterList(const std::string& raw_command_line, bool lower_switch_items,
                        Runtime::TStringList* list) {
  list->SetDelimiter(',');
  list->SetQuoteChar('"');
  list->SetDelimitedText(raw_command_line);
  if (!lower_switch_items) return;
  const int count = list->Count();
  for (int i = 0; i < count; ++i) {
    if (!IsSwitchItem(list->Get(i))) continue;
    // In place: deleting and inserting would move every later item, once per switch item.
    list->Put(i, LowerSwitchItem(list->Get(i)));
  }
}

}  // namespace ParmU
