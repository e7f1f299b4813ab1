// What the processor can run, for choosing the fastest counting pass.
#pragma once

namespace os {

bool CpuHasSse2();
bool CpuHasAvx2();

}  // namespace os
