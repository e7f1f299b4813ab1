#include "platform/os/cpu.h"

namespace os {

bool CpuHasSse2() {
  return __builtin_cpu_supports("sse2");
}
bool CpuHasAvx2() {
  return __builtin_cpu_supports("avx2");
}

}  // namespace os
