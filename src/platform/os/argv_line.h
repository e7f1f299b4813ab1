#pragma once

#include <string>

namespace os {

/// Joins argv into one raw command line from which the item split gives back each argument as
/// one item: a non-empty argument without blank, comma or double quote stands as it is; any
/// other stands in double quotes with its inner double quotes doubled.
std::string JoinArgumentsAsCommandLine(int argc, const char* const* argv);

}  // namespace os
