#include "scan/parallel_count.h"

#include <string>

#include <gtest/gtest.h>

#include "scan/text_scan.h"
#include "temp_dir.h"

namespace QuintrelU {
namespace {

std::int64_t CountInParallel(const std::string& path, unsigned workers, std::uint64_t chunk_size,
                             int* code) {
  Runtime::TextReader reader(path);
  EXPECT_EQ(reader.Open(), 0);
  std::uint64_t size = 0;
  EXPECT_TRUE(reader.SizeOfRegularFile(&size));
  std::int64_t tabs = 0;
  *code = CountTabsInParallel(reader, size, {workers, chunk_size}, &tabs);
  EXPECT_EQ(reader.Close(), 0);
  return tabs;
}

// Small chunks make many of them from a small file; the plain loop over the whole file is the
// one pass from the start that the workers must agree with.
TEST(ParallelCount, CountsAsOnePassFromTheStartWhereverACtrlZStands) {
  constexpr std::size_t kChunk = 1000;
  constexpr std::size_t kSize = 10 * kChunk + 17;
  struct Case {
    const char* where;
    std::vector<std::size_t> ctrl_z;
  };
  const Case cases[] = {
      {"none", {}},
      {"near the start", {5}},
      {"in the middle", {4999}},
      {"on the last byte of a chunk", {kChunk - 1}},
      {"on the first byte of a chunk", {3 * kChunk}},
      {"on the file's last byte", {kSize - 1}},
      {"in a later chunk before one in an earlier chunk", {7 * kChunk + 3, 2 * kChunk + 500}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    std::string text(kSize, '\t');  // tabs right after every Ctrl-Z
    for (std::size_t at : c.ctrl_z) text[at] = '\x1a';
    const std::string path = dir.WriteFile("text", text);
    const TextScan one_pass =
        ScanTextPlain(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    for (unsigned workers : {2u, 3u, 8u}) {
      int code = -1;
      EXPECT_EQ(CountInParallel(path, workers, kChunk, &code), one_pass.tabs)
          << c.where << ", " << workers << " workers";
      EXPECT_EQ(code, 0);
    }
  }
}

TEST(ParallelCount, OnlyALargeFileOnSeveralProcessorsIsShared) {
  constexpr std::uint64_t kLarge = std::uint64_t{1} << 32;  // beyond 32 bits, too
  EXPECT_EQ(PlanFor(100, 8).workers, 1u);
  EXPECT_EQ(PlanFor(kLarge, 1).workers, 1u);
  EXPECT_EQ(PlanFor(kLarge, 2).workers, 2u);
  EXPECT_LE(PlanFor(kLarge, 256).workers, 8u) << "concurrent reads stay bounded";
  const ParallelPlan two_chunks = PlanFor(2 * PlanFor(kLarge, 2).chunk_size, 8);
  EXPECT_EQ(two_chunks.workers, 2u) << "no more workers than chunks";
  constexpr std::uint64_t kHuge = std::uint64_t{1} << 50;
  EXPECT_LE(kHuge / PlanFor(kHuge, 8).chunk_size, 4096u) << "the results held stay bounded";
}

}  // namespace
}  // namespace QuintrelU
