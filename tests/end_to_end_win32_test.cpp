// The Windows program under Wine: raw command lines given byte for byte through the launcher,
// exact bytes on both streams, exit codes, and a real batch file.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "documented_examples.h"
#include "expected_output.h"
#include "run_program.h"
#include "temp_dir.h"

namespace {

// Wine shows the machine's root as drive Z.
std::string WindowsPath(const std::string& path) {
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

const std::string kUsage = UsageScreen("\r\n");
const std::string kHelp = HelpScreen("\r\n");

class WindowsEndToEnd : public ::testing::Test {
 protected:
  // Quiet, with no dialog to wait on, in the test run's own prefix.
  static void SetUpTestSuite() {
    setenv("WINEPREFIX", WINE_PREFIX, 1);
    setenv("WINELOADER", WINE_LOADER, 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
  }

  WindowsEndToEnd() {
    dir_.WriteFile("notes.txt", "a\tb\tc\td\r\n");
    dir_.WriteFile("none.txt", "no tabs\r\n");
    dir_.WriteFile("old,new.txt", "\t\t");
    dir_.WriteFile("my notes.txt", "\t");
    dir_.WriteFile("-notes.txt", "\t\t\t\t");
    std::filesystem::create_directory(dir_.Join("sub"));
  }

  std::string Full(const std::string& name) const { return WindowsPath(dir_.Join(name)); }
  std::string Report(int tabs, const std::string& name) const {
    return ReportLine(tabs, Full(name), "\r\n");
  }
  static std::string Missing(const std::string& full_path) {
    return MissingFileMessage(full_path, "\r\n");
  }

  // Runs quintrel.exe with exactly this raw command line; launcher_options go to the launcher.
  RunResult Run(const std::string& command_line, const std::string& held_file = "",
                const std::vector<std::string>& launcher_options = {}) {
    const std::string line_file = scratch_.WriteFile("command-line", command_line);
    RunOptions options;
    options.program = WINE_LOADER;
    options.argv0 = WINE_LOADER;
    options.args = {WindowsPath(LAUNCH_EXE)};
    options.args.insert(options.args.end(), launcher_options.begin(), launcher_options.end());
    if (!held_file.empty()) options.args.insert(options.args.end(), {"--hold", Full(held_file)});
    options.args.insert(options.args.end(), {WindowsPath(QUINTREL_EXE), WindowsPath(line_file)});
    options.directory = dir_.path();
    return RunProgram(options);
  }

  static void ExpectFailureReport(const std::string& err, const std::string& class_name,
                                  const std::string& message) {
    ::ExpectFailureReport(err, class_name, message, "quintrel.exe", "\r\n");
  }

  TempDir dir_;
  TempDir scratch_;
};

TEST_F(WindowsEndToEnd, RawCommandLinesGiveItemsAndSwitchesByTheirOwnRules) {
  // Its full path is longer than MAX_PATH, and is shown whole.
  const std::string kLongName = std::string(300, 'a') + ".txt";
  struct Case {
    std::string command_line;
    std::string out;
    int exit_code;
  };
  const Case cases[] = {
      {"Quintrel", kUsage, 2},
      {"Quintrel notes.txt", Report(3, "notes.txt"), 1},
      {"Quintrel none.txt", Report(0, "none.txt"), 0},
      {"Quintrel missing.txt", Missing(Full("missing.txt")), 2},
      {"Quintrel sub", Missing(Full("sub")), 2},
      {"Quintrel \"\"", Missing(""), 2},
      {"Quintrel /?", kHelp, 2},
      {"Quintrel missing.txt -?", kHelp, 2},
      {"Quintrel none.txt /Q", "", 0},
      {"Quintrel none.txt -q", "", 0},
      {"Quintrel notes.txt /q", Report(3, "notes.txt"), 1},
      {"Quintrel none.txt,/q", Report(0, "none.txt"), 0},
      {"Quintrel \"old,new.txt\"", Report(2, "old,new.txt"), 1},
      {"Quintrel none.txt \"\" /q", "", 0},
      {"Quintrel none.txt /Qx", Report(0, "none.txt"), 0},
      {"Quintrel none.txt --help", Report(0, "none.txt"), 0},
      {"Quintrel /Q notes.txt", Missing("Z:\\q"), 2},
      {"Quintrel -Notes.TXT", Report(4, "-notes.txt"), 1},
      {"Quintrel \"my notes.txt", Report(1, "my notes.txt"), 1},
      {"\"C:\\Tool Box\\Quintrel.exe\" \"my notes.txt\" /Q", Report(1, "my notes.txt"), 1},
      {"Quintrel ./sub/../notes.txt", Report(3, "notes.txt"), 1},
      {"Quintrel zz*.txt", Missing(Full("zz*.txt")), 2},
      {"Quintrel " + kLongName, Missing(Full(kLongName)), 2},
  };
  for (const Case& c : cases) {
    const RunResult result = Run(c.command_line);
    EXPECT_EQ(result.out, c.out) << c.command_line;
    EXPECT_EQ(result.err, "") << c.command_line;
    EXPECT_EQ(result.exit_code, c.exit_code) << c.command_line;
  }
}

TEST_F(WindowsEndToEnd, FailuresGiveTheReportOnStandardError) {
  struct Case {
    std::string command_line;
    std::string held_file;
    std::string class_name;
    std::string message;
  };
  const Case cases[] = {
      // Wine gives an empty command line the program's name, so blanks stand in for it.
      {"   ", "", "EStringListError", "List index out of bounds (1)."},
      {"Quintrel note?.txt", "", "EInOutError", "I/O error 123."},
      {"Quintrel n*s.txt", "", "EInOutError", "I/O error 123."},
      {"Quintrel notes.txt", "notes.txt", "EInOutError", "I/O error 32."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command_line);
    const RunResult result = Run(c.command_line, c.held_file);
    EXPECT_EQ(result.out, "");
    ExpectFailureReport(result.err, c.class_name, c.message);
    EXPECT_EQ(result.exit_code, 2);
  }
}

TEST_F(WindowsEndToEnd, TheProgramCarriesItsVersionAndManifest) {
  RunOptions options;
  options.program = WINE_LOADER;
  options.argv0 = WINE_LOADER;
  options.args = {WindowsPath(RESOURCES_EXE), WindowsPath(QUINTREL_EXE)};
  const RunResult result = RunProgram(options);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string::size_type manifest_at = result.out.find("Manifest=");
  ASSERT_NE(manifest_at, std::string::npos) << result.out;
  EXPECT_EQ(result.out.substr(0, manifest_at),
            "CompanyName=The Quintrel developers\r\n"
            "FileDescription=Quintrel tab counter\r\n"
            "FileVersion=" QUINTREL_VERSION
            "\r\n"
            "InternalName=quintrel\r\n"
            "LegalCopyright=Copyright (c) 2026 The Quintrel developers. MIT licence.\r\n"
            "OriginalFilename=quintrel.exe\r\n"
            "ProductName=Quintrel\r\n"
            "ProductVersion=" QUINTREL_VERSION "\r\n");
  const std::string manifest = result.out.substr(manifest_at);
  for (const char* setting : {
           "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
           "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",
           "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",
           "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",
           "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",
           "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
           ">true</longPathAware>",
       }) {
    EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
  }
  EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos)
      << "texts stay in the ANSI code page";
}

// A file large enough to be shared among the processors that Wine reports, each reading at
// offsets through a handle of its own.
TEST_F(WindowsEndToEnd, ALargeFileCountsAsOnePass) {
  constexpr std::size_t kChunk = 8 << 20;
  std::string text(2 * kChunk + 4096, '\t');
  dir_.WriteFile("large.txt", text);
  EXPECT_EQ(Run("Quintrel large.txt").out, Report(static_cast<int>(text.size()), "large.txt"));
  text[2 * kChunk + 1] = '\x1a';
  text[kChunk] = '\x1a';
  dir_.WriteFile("large.txt", text);
  EXPECT_EQ(Run("Quintrel large.txt").out, Report(static_cast<int>(kChunk), "large.txt"));
}

// A write that takes nothing and reports success must end the run, not spin (launch.exe ends a
// program still running after 20 s with exit code 124).
TEST_F(WindowsEndToEnd, AnOutputThatTakesNothingEndsTheRunWithTheFailureReport) {
  for (const std::string command_line : {"Quintrel /?", "Quintrel notes.txt"}) {
    SCOPED_TRACE(command_line);
    const auto started = std::chrono::steady_clock::now();
    const RunResult result = Run(command_line, "", {"--full-nowait-output"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    ExpectFailureReport(result.err, "EInOutError", "I/O error 29.");
    EXPECT_EQ(result.exit_code, 2);
    std::printf("ended after %.2f s\n", seconds.count());
  }
}

// The README's batch files, as a Windows user saves them (CR LF), run by Wine's cmd on names that
// hold a blank and a comma.
class DocumentedBatchFiles : public WindowsEndToEnd {
 protected:
  void SaveExample(const std::string& name) {
    std::string text;
    for (char c : DocumentedExample(README_PATH, name))
      text += c == '\n' ? "\r\n" : std::string(1, c);
    dir_.WriteFile(name, text);
    std::filesystem::copy_file(QUINTREL_EXE, dir_.Join("quintrel.exe"),
                               std::filesystem::copy_options::overwrite_existing);
  }

  RunResult RunBatchFile(const std::string& name) {
    RunOptions options;
    options.program = WINE_LOADER;
    options.argv0 = WINE_LOADER;
    options.args = {"cmd", "/c", name};
    options.directory = dir_.path();
    return RunProgram(options);
  }
};

TEST_F(DocumentedBatchFiles, CheckTellsEachOutcome) {
  SaveExample("check.bat");
  dir_.WriteFile("a b.txt", "clean\r\n");
  dir_.WriteFile("c,d.txt", "\t\t");
  // How a user calls it: each name quoted.
  dir_.WriteFile("run.bat",
                 "@echo off\r\n"
                 "call check.bat \"a b.txt\"\r\n"
                 "call check.bat \"c,d.txt\"\r\n"
                 "call check.bat \"e f.txt\"\r\n");
  const RunResult result = RunBatchFile("run.bat");
  EXPECT_EQ(result.out, Report(2, "c,d.txt") + "c,d.txt holds tabs\r\n" + Missing(Full("e f.txt")) +
                            "quintrel could not check e f.txt (error level 2)\r\n");
}

// The text in the .zip shows check.bat too, in CR LF lines indented by two blanks.
TEST_F(DocumentedBatchFiles, TheWindowsReadmeShowsCheckAsTheReadmeDoes) {
  const std::string exe = QUINTREL_EXE;
  std::ifstream in(exe.substr(0, exe.rfind('/')) + "/README-Windows.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string indented;
  std::istringstream example(DocumentedExample(README_PATH, "check.bat"));
  for (std::string line; std::getline(example, line);) indented += "  " + line + "\r\n";
  EXPECT_NE(text.find(indented), std::string::npos) << text;
}

TEST_F(DocumentedBatchFiles, CleanListsTheFilesWithoutTabs) {
  SaveExample("clean.bat");
  dir_.WriteFile("a b.txt", "clean\r\n");
  dir_.WriteFile("x,y.txt", "clean too\r\n");
  dir_.WriteFile("tabs.txt", "\t");
  std::filesystem::remove(dir_.Join("none.txt"));
  std::filesystem::remove(dir_.Join("notes.txt"));
  std::filesystem::remove(dir_.Join("old,new.txt"));
  std::filesystem::remove(dir_.Join("my notes.txt"));
  std::filesystem::remove(dir_.Join("-notes.txt"));
  const RunResult result = RunBatchFile("clean.bat");
  std::vector<std::string> lines;
  std::istringstream out(result.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"a b.txt is clean\r", "x,y.txt is clean\r"}));
}

TEST_F(WindowsEndToEnd, ABatchFileBranchesOnTheErrorLevel) {
  std::filesystem::copy_file(QUINTREL_EXE, dir_.Join("quintrel.exe"));
  dir_.WriteFile("check.bat",
                 "@echo off\r\n"
                 "call :count notes.txt\r\n"
                 "call :count none.txt\r\n"
                 "call :count missing.txt\r\n"
                 "quintrel.exe none.txt /Q\r\n"
                 "echo quiet: %ERRORLEVEL%\r\n"
                 "exit /b 0\r\n"
                 ":count\r\n"
                 "quintrel.exe %1 > nul\r\n"
                 "if errorlevel 2 goto failed\r\n"
                 "if errorlevel 1 goto tabs\r\n"
                 "echo %1: no tabs (%ERRORLEVEL%)\r\n"
                 "goto :eof\r\n"
                 ":tabs\r\n"
                 "echo %1: tabs (%ERRORLEVEL%)\r\n"
                 "goto :eof\r\n"
                 ":failed\r\n"
                 "echo %1: error (%ERRORLEVEL%)\r\n"
                 "goto :eof\r\n");
  RunOptions options;
  options.program = WINE_LOADER;
  options.argv0 = WINE_LOADER;
  options.args = {"cmd", "/c", "check.bat"};
  options.directory = dir_.path();
  const RunResult result = RunProgram(options);
  EXPECT_EQ(result.out,
            "notes.txt: tabs (1)\r\n"
            "none.txt: no tabs (0)\r\n"
            "missing.txt: error (2)\r\n"
            "quiet: 0\r\n");
  EXPECT_EQ(result.exit_code, 0);
}

}  // namespace
