// The README's and the manual page's shell examples, run by bash as a user would run them, on
// names that hold blanks and commas.
#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "documented_examples.h"
#include "expected_output.h"
#include "run_program.h"
#include "temp_dir.h"

namespace {

class DocumentedExamples : public ::testing::Test {
 protected:
  // Runs a bash script in the scratch folder, with the program under test first on the PATH.
  RunResult RunScript(const std::string& script) {
    const std::string program = QUINTREL_PATH;
    RunOptions options;
    options.program = "/bin/bash";
    options.argv0 = "bash";
    options.args = {"-c", "PATH=" + program.substr(0, program.rfind('/')) + ":$PATH\n" + script};
    options.directory = dir_.path();
    return RunProgram(options);
  }

  TempDir dir_;
};

TEST_F(DocumentedExamples, TheReadmeShellScriptTellsEachOutcome) {
  const std::string example = DocumentedExample(README_PATH, "check.sh");
  dir_.WriteFile("Makefile.am", "all:\n\ttrue\n");
  dir_.WriteFile("a b.txt", "clean\n");
  dir_.WriteFile("c,d.txt", "\t\n");
  struct Case {
    std::string name;
    std::string out;
  };
  const Case cases[] = {
      {"a b.txt", ""},
      {"c,d.txt", "c,d.txt: tabs\n"},
      {"e f.txt", "e f.txt: could not be checked\n"},
  };
  for (const Case& c : cases) {
    const RunResult result = RunScript("f='" + c.name + "'\n" + example);
    EXPECT_EQ(result.out, ReportLine(1, dir_.Join("Makefile.am"), "\n") + c.out) << c.name;
    EXPECT_EQ(result.err, "Makefile.am holds tabs (or could not be read)\n") << c.name;
  }
}

TEST_F(DocumentedExamples, TheManualPagesShellScriptRefusesTabs) {
  const std::string example = DocumentedExample(MANUAL_PAGE_PATH, "check.sh");
  dir_.WriteFile("Makefile.in", "all:\n\ttrue\n");
  RunResult result = RunScript(example);
  EXPECT_EQ(result.err, "Makefile.in holds tabs\n");
  dir_.WriteFile("Makefile.in", "all:\n        true\n");
  result = RunScript(example);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 0);
}

TEST_F(DocumentedExamples, AnotherCommandsOutputIsCounted) {
  for (const char* document : {README_PATH, MANUAL_PAGE_PATH}) {
    SCOPED_TRACE(document);
    const RunResult result = RunScript("some-command() { printf 'a\\tb\\tc\\n'; }\n" +
                                       DocumentedExample(document, "pipe.sh"));
    EXPECT_EQ(result.out, ReportLine(2, "/dev/stdin", "\n"));
    EXPECT_EQ(result.exit_code, 1);
  }
}

TEST_F(DocumentedExamples, ThePreCommitHookRefusesStagedFilesWithTabs) {
  const std::string hook =
      dir_.WriteFile("pre-commit", DocumentedExample(README_PATH, "pre-commit"));
  ASSERT_EQ(chmod(hook.c_str(), 0755), 0);
  RunResult result = RunScript(
      "set -e\n"
      "git init -q repo && cd repo\n"
      "git config user.name Tester && git config user.email tester@example.org\n"
      "cp ../pre-commit .git/hooks/pre-commit\n"
      "printf 'x = 1\\n' > 'clean one.py'\n"
      "printf 'if x:\\n\\tpass\\n' > 'tabs, too.py'\n"
      "printf '\\tnot python\\n' > notes.txt\n"
      "git add . && ! git commit -q -m first\n"
      "printf 'if x:\\n    pass\\n' > 'tabs, too.py'\n"
      "git add . && git commit -q -m second\n"
      "git log --format=%s\n");
  EXPECT_EQ(result.err, "pre-commit: tabs, too.py holds tabs\n");
  EXPECT_EQ(result.out, "second\n");
  EXPECT_EQ(result.exit_code, 0);
}

}  // namespace
