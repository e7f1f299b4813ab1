// What the program writes, for the end-to-end tests of both builds; each passes its line end.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "version.h"

inline std::string UsageScreen(const std::string& eol) {
  return eol + "Quintrel " QUINTREL_VERSION "  " QUINTREL_WEB_ADDRESS + eol +
         "Usage: Quintrel FileName [/?] [/Q]" + eol + eol + "ErrorLevel return codes:" + eol +
         "  0 - file has no Tabs" + eol + "  1 - file has Tabs" + eol + "  2 - error" + eol;
}

inline std::string HelpScreen(const std::string& eol) {
  return UsageScreen(eol) + eol + "Command-line parameters:" + eol +
         "  FileName   Which file to report on" + eol + eol + "  /?         Display Help" + eol +
         "  /Q         Quiet: suppress message when no Tabs are found" + eol;
}

inline std::string ReportLine(int tabs, const std::string& path, const std::string& eol) {
  return eol + "Quintrel: " + std::to_string(tabs) + " Tabs found in " + path + eol;
}

inline std::string MissingFileMessage(const std::string& path, const std::string& eol) {
  return eol + "Quintrel: Cannot find file '" + path + "'" + eol;
}

/// The failure report's lines and the empty line after them; the code offset is checked for its
/// form only, since it moves with every build.
inline void ExpectFailureReport(const std::string& err, const std::string& class_name,
                                const std::string& message, const std::string& module,
                                const std::string& eol) {
  const std::string head = "Exception " + class_name + " in module " + module + " at ";
  ASSERT_EQ(err.substr(0, head.size()), head) << err;
  const std::string offset = err.substr(head.size(), 8);
  EXPECT_EQ(offset.size(), 8u) << err;
  EXPECT_EQ(offset.find_first_not_of("0123456789ABCDEF"), std::string::npos) << err;
  EXPECT_EQ(err.substr(head.size() + 8), "." + eol + message + eol + eol);
}
