// The program: one file's tabs counted, reported, and told by the exit code.
#include <cstdint>
#include <string>

#include "app/app_name.h"
#include "app/constants.h"
#include "app/screens.h"
#include "cmdline/parameter_list.h"
#include "cmdline/switch_lookup.h"
#include "platform/os/path.h"
#include "platform/runtime.h"
#include "scan/tally_tabs.h"

namespace {

const Runtime::Unit kUnits[] = {
    Runtime::kSystemUnit, Runtime::kSysUtilsUnit, ConstU::kUnit, ParmU::kUnit,
    AppU::kUnit,          QuintrelU::kUnit,
};

void MainBlock() {
  AppU::SetAppName(ConstU::kApplicationName);
  const Runtime::TStringList& parameters = ParmU::ParmList();
  if (parameters.Count() == 1) ShowUsage(true);
  if (SwitchLookup::FindCmdLineSwitch("?") || SwitchLookup::FindLongHelp()) ShowHelp();
  const bool quiet = SwitchLookup::FindCmdLineSwitch("Q");

  // The file name is always item 1, so it has to stand before any switch.
  const std::string target_file = os::ExpandPath(parameters.Get(1));
  if (!os::FileExists(target_file)) {
    Runtime::WriteLine("");
    Runtime::WriteLine(AppU::AppName() + ": Cannot find file '" + target_file + "'");
    Runtime::Halt(ConstU::kExitError);
  }

  std::int64_t tab_total = 0;
  QuintrelU::TallyTabs(target_file, tab_total);
  if (tab_total > 0 || !quiet) {
    Runtime::WriteLine("");
    Runtime::WriteLine(AppU::AppName() + ": " + std::to_string(tab_total) + " Tabs found in " +
                       target_file);
  }
  Runtime::Halt(tab_total != 0 ? ConstU::kExitTabsFound : ConstU::kExitNoTabs);
}

}  // namespace

int main(int argc, char** argv) {
  Runtime::Run(argc, argv, kUnits, sizeof kUnits / sizeof kUnits[0], MainBlock);
}
