#pragma once

namespace os {

/// The Windows error code that stands for an errno value.
int WindowsErrorFromErrno(int error);

}  // namespace os
