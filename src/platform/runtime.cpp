#include "platform/runtime.h"

#include <exception>
#include <new>

#include "platform/exceptions.h"
#include "platform/failure_report.h"
#include "platform/os/command_line.h"
#include "platform/os/file.h"
#include "platform/os/process.h"
#include "platform/text_writer.h"

namespace Runtime {
namespace {

int g_argc = 0;
char** g_argv = nullptr;
std::string g_raw_command_line;
std::vector<std::string_view> g_arguments;
TextWriter g_standard_output;
UnitTable g_units(nullptr, 0);
int g_unwritten_output = 0;  // error code of the last write at shut-down
bool g_failure_report_hooked = false;

[[noreturn]] void RaiseOutOfMemory() {
  EOutOfMemory error;
  error.SetAddress(reinterpret_cast<const void*>(&RaiseOutOfMemory));
  throw error;
}

void StartSystem() {
  std::set_new_handler(RaiseOutOfMemory);
  os::PrepareProcess();
  g_raw_command_line = os::TakeRawCommandLine(g_argc, g_argv);
  if (g_argc > 1) g_arguments.assign(g_argv + 1, g_argv + g_argc);
}

void ShutDownSystem() {
  g_unwritten_output = g_standard_output.Flush();
}

void StartSysUtils() {
  g_failure_report_hooked = true;
}
void ShutDownSysUtils() {
  g_failure_report_hooked = false;
}

void WriteUntested(os::FileHandle handle, const std::string& text) {
  os::WriteToFile(handle, text.data(), static_cast<std::uint32_t>(text.size()));
}

void WriteFailureReport(const Exception& error) {
  const os::CodeLocation location = os::LocateCode(error.Address());
  const os::FileHandle handle = os::StandardErrorHandle();
  WriteUntested(handle, os::ToOemText(FormatFailureReport(error, location)));
  WriteUntested(handle, os::kLineEnd);
}

// Mended: kExitFailure, since 1 would tell a batch file that the file has tabs.
[[noreturn]] void ReportFailure(const Exception& error) {
  const int unwritten = g_standard_output.Flush();
  WriteFailureReport(error);
  if (unwritten != 0) WriteFailureReport(EInOutError(unwritten));
  Halt(kExitFailure);
}

void WriteStartUpFailureLine(const Exception& error) {
  const os::FileHandle handle = os::StandardOutputHandle();
  WriteUntested(handle, FormatStartUpFailureLine(kExitStartUpFailure,
                                                 os::LocateCode(error.Address()).offset));
  WriteUntested(handle, os::kLineEnd);
}

// Shuts down what had started, so that the outermost handler finds no failure-report hook.
void StartUp() {
  try {
    g_units.StartUp();
  } catch (...) {
    g_units.ShutDown();
    throw;
  }
}

[[noreturn]] void HandleEscapedError(const Exception& error) {
  if (g_failure_report_hooked) ReportFailure(error);
  WriteStartUpFailureLine(error);
  os::ExitProcess(kExitStartUpFailure);
}

}  // namespace

const Unit kSystemUnit = {"System", StartSystem, ShutDownSystem};
const Unit kSysUtilsUnit = {"SysUtils", StartSysUtils, ShutDownSysUtils};

const std::string& RawCommandLine() {
  return g_raw_command_line;
}

const std::vector<std::string_view>& Arguments() {
  return g_arguments;
}

void WriteLine(std::string_view text) {
  g_standard_output.Write(text);
  g_standard_output.EndLine();
  IoCheck(g_standard_output.TakeResult());
}

void Halt(int exit_code) {
  g_units.ShutDown();
  if (g_unwritten_output != 0) {
    // Mended: output that never reached its file does not vanish in silence.
    EInOutError error(g_unwritten_output);
    error.SetAddress(__builtin_return_address(0));
    g_unwritten_output = 0;
    WriteFailureReport(error);
    exit_code = kExitFailure;
  }
  os::ExitProcess(exit_code);
}

void Run(int argc, char** argv, const Unit* units, std::size_t unit_count, void (*main_block)()) {
  g_argc = argc;
  g_argv = argv;
  g_units = UnitTable(units, unit_count);
  try {
    StartUp();
    main_block();
    Halt(0);
  } catch (const Exception& error) {
    HandleEscapedError(error);
  } catch (const std::exception& error) {
    HandleEscapedError(Exception(error.what()));
  }
}

}  // namespace Runtime
