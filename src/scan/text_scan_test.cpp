#include "scan/text_scan.h"

#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<TextScanKernel> Kernels() {
  std::size_t count;
  const TextScanKernel* kernels = AvailableTextScanKernels(&count);
  return std::vector<TextScanKernel>(kernels, kernels + count);
}

void ExpectSameAsPlain(const TextScanKernel& kernel, const unsigned char* data, std::size_t size,
                       const std::string& what) {
  const TextScan expected = ScanTextPlain(data, size);
  const TextScan actual = kernel.scan(data, size);
  EXPECT_EQ(actual.tabs, expected.tabs) << kernel.name << ": " << what;
  EXPECT_EQ(actual.ended, expected.ended) << kernel.name << ": " << what;
}

TEST(TextScan, ThePlainLoopCountsTabsBeforeTheFirstCtrlZ) {
  const std::string text("\t\x89\x0b\t\x19\x1a\t", 7);
  const TextScan scan = ScanTextPlain(reinterpret_cast<const unsigned char*>(text.data()), 7);
  EXPECT_EQ(scan.tabs, 2);
  EXPECT_TRUE(scan.ended);
  EXPECT_EQ(ScanTextPlain(nullptr, 0).tabs, 0);
  EXPECT_FALSE(ScanTextPlain(nullptr, 0).ended);
}

TEST(TextScan, EveryKernelMatchesThePlainLoopAtEveryAlignmentAndLength) {
  std::mt19937 random(12345);
  // Mostly tabs and near misses (8, 10, 25, 27, 0x89, 0x9a), now and then a Ctrl-Z.
  const unsigned char alphabet[] = {9, 9, 9, 'a', 8, 10, 25, 27, 0x89, 0x9a, 0xff, 0};
  std::vector<unsigned char> buffer(64 + 600);
  for (const TextScanKernel& kernel : Kernels()) {
    for (std::size_t align = 0; align < 64; ++align) {
      for (std::size_t size = 0; size <= 600; size += 1 + size / 40) {
        for (unsigned char& byte : buffer) byte = alphabet[random() % sizeof alphabet];
        if (random() % 3 == 0) buffer[align + random() % (size + 1)] = 26;
        ExpectSameAsPlain(kernel, buffer.data() + align, size,
                          "align " + std::to_string(align) + " size " + std::to_string(size));
      }
    }
  }
}

TEST(TextScan, CtrlZAtEveryPositionOfTheFirstVectors) {
  std::vector<unsigned char> buffer(512, 9);
  for (const TextScanKernel& kernel : Kernels()) {
    for (std::size_t at = 0; at < 300; ++at) {
      buffer[at] = 26;
      const TextScan scan = kernel.scan(buffer.data(), buffer.size());
      EXPECT_EQ(scan.tabs, static_cast<std::int64_t>(at)) << kernel.name << " at " << at;
      EXPECT_TRUE(scan.ended) << kernel.name << " at " << at;
      buffer[at] = 9;
    }
  }
}

TEST(TextScan, CountersNeverOverflowOnLongRunsOfTabs) {
  const std::vector<unsigned char> tabs(3 * 1024 * 1024 + 77, 9);
  for (const TextScanKernel& kernel : Kernels()) {
    const TextScan scan = kernel.scan(tabs.data(), tabs.size());
    EXPECT_EQ(scan.tabs, static_cast<std::int64_t>(tabs.size())) << kernel.name;
    EXPECT_FALSE(scan.ended) << kernel.name;
  }
}

// The processor's own answer, asked here independently of the choice under test.
const char* FastestPassThisProcessorRuns() {
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("avx2")) return "avx2";
  if (__builtin_cpu_supports("sse2")) return "sse2";
#endif
  return "plain";
}

TEST(TextScan, TheFastestPassThisProcessorRunsComesFirstAndThePlainLoopLast) {
  const std::vector<TextScanKernel> kernels = Kernels();
  ASSERT_FALSE(kernels.empty());
  EXPECT_STREQ(kernels.front().name, FastestPassThisProcessorRuns());
  EXPECT_STREQ(kernels.back().name, "plain");
  std::cout << "kernels here:";
  for (const TextScanKernel& kernel : kernels) std::cout << " " << kernel.name;
  std::cout << "\n";
}

}  // namespace
