// The examples that the README and the manual page show, taken from them as they stand, so that
// a test runs each as a user would.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>

/// In a Markdown file, the fenced block after the line "<!-- example: NAME -->"; in a manual
/// page, the lines between .EX and .EE after the line '.\" example: NAME', roff's "\-" and "\e"
/// read as "-" and "\".
inline std::string DocumentedExample(const std::string& file, const std::string& name) {
  std::ifstream in(file);
  const bool manual_page = file.find(".1") != std::string::npos;
  const std::string marker =
      manual_page ? ".\\\" example: " + name : "<!-- example: " + name + " -->";
  std::string line;
  while (std::getline(in, line) && line != marker) {
  }
  if (!in) throw std::runtime_error("no example '" + name + "' in " + file);
  std::getline(in, line);  // the opening fence, or .EX
  std::string example;
  while (std::getline(in, line) && line != (manual_page ? ".EE" : "```")) {
    example += line + "\n";
  }
  if (!manual_page) return example;
  std::string text;
  for (std::size_t i = 0; i < example.size(); ++i) {
    if (example[i] == '\\' && i + 1 < example.size() && example[i + 1] == '-') {
      text += '-';
      ++i;
    } else if (example[i] == '\\' && i + 1 < example.size() && example[i + 1] == 'e') {
      text += '\\';
      ++i;
    } else {
      text += example[i];
    }
  }
  return text;
}
