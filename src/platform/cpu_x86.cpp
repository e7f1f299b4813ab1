#include "platform/cpu.h"

#if defined(_MSC_VER)
#include <intrin.h>
#endif

namespace platform {

#if defined(_MSC_VER)

namespace {

bool CpuidBit(int leaf, int reg, int bit) {
  int registers[4];
  __cpuidex(registers, leaf, 0);
  return (registers[reg] >> bit) & 1;
}

// AVX2 also needs the system to save the wide registers (OSXSAVE and XCR0's bits 1 and 2).
bool SystemSavesYmm() {
  return CpuidBit(1, 2, 27) && (_xgetbv(0) & 6) == 6;
}

}  // namespace

bool CpuHasSse2() {
  return CpuidBit(1, 3, 26);
}
bool CpuHasAvx2() {
  return SystemSavesYmm() && CpuidBit(7, 1, 5);
}

#else

bool CpuHasSse2() {
  return __builtin_cpu_supports("sse2");
}
bool CpuHasAvx2() {
  return __builtin_cpu_supports("avx2");
}

#endif

}  // namespace platform
