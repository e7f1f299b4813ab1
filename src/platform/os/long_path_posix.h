// Paths longer than the system's PATH_MAX, which stat() and open() refuse whole.
#pragma once

#include <string>

namespace os {

/// Opens the directory that holds path's last component by walking the path one component at a
/// time, so that no call sees more than one name. Gives the descriptor (O_PATH) and the last
/// component, or -1 with errno set.
int OpenDirectoryOfLastComponent(const std::string& path, std::string* last_component);

}  // namespace os
