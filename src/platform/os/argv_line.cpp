#include "platform/os/argv_line.h"

#include <cstring>

#include "platform/os/command_line.h"

namespace os {
namespace {

bool NeedsQuotes(const char* argument) {
  if (*argument == '\0') return true;
  for (const char* p = argument; *p != '\0'; ++p) {
    if (IsBlank(*p) || *p == ',' || *p == '"') return true;
  }
  return false;
}

void AppendQuoted(const char* argument, std::string* line) {
  line->push_back('"');
  for (const char* p = argument; *p != '\0'; ++p) {
    if (*p == '"') line->push_back('"');
    line->push_back(*p);
  }
  line->push_back('"');
}

}  // namespace

std::string JoinArgumentsAsCommandLine(int argc, const char* const* argv) {
  std::string line;
  std::size_t most = 0;  // each argument quoted, every quote doubled
  for (int i = 0; i < argc; ++i) most += 2 * std::strlen(argv[i]) + 3;
  line.reserve(most);
  for (int i = 0; i < argc; ++i) {
    if (i > 0) line.push_back(' ');
    if (NeedsQuotes(argv[i])) {
      AppendQuoted(argv[i], &line);
    } else {
      line += argv[i];
    }
  }
  return line;
}

}  // namespace os
