// Path expansion and the existence test of the target file.
#pragma once

#include <string>

namespace os {

/// The full path of name: completed against the current directory, "." and ".." resolved by the
/// text alone, links not followed. Empty for an empty name or when there is no current directory.
std::string ExpandPath(const std::string& name);

/// Whether a full path names an entry that is not a directory. Time stamps play no part: a file
/// from any date is counted.
bool FileExists(const std::string& full_path);

}  // namespace os
