#include "app/screens.h"

#include <string>

#include "app/app_name.h"
#include "app/constants.h"
#include "platform/runtime.h"

void ShowUsage(bool halt) {
  const std::string& name = AppU::AppName();
  Runtime::WriteLine("");
  Runtime::WriteLine(name + " " + ConstU::kVersion + "  " + ConstU::kWebAddress);
  Runtime::WriteLine("Usage: " + name + " FileName [/?] [/Q]");
  Runtime::WriteLine("");
  Runtime::WriteLine("ErrorLevel return codes:");
  Runtime::WriteLine("  0 - file has no Tabs");
  Runtime::WriteLine("  1 - file has Tabs");
  Runtime::WriteLine("  2 - error");
  if (halt) Runtime::Halt(ConstU::kExitError);
}

void ShowHelp() {
  ShowUsage(false);
  Runtime::WriteLine("");
  Runtime::WriteLine("Command-line parameters:");
  Runtime::WriteLine("  FileName   Which file to report on");
  Runtime::WriteLine("");
  Runtime::WriteLine("  /?         Display Help");
  Runtime::WriteLine("  /Q         Quiet: suppress message when no Tabs are found");
  Runtime::Halt(ConstU::kExitError);
}
