// The counting passes alone, in bytes per second, beside memchr over the same buffer: a buffer
// that stays in the processor's cache (one read block) and one that does not.
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/text_reader.h"
#include "scan/text_scan.h"

namespace {

std::vector<unsigned char> SampleText(std::size_t size) {
  static const char kLine[] = "alpha\tbeta gamma\t42\t3.14159 name value\r\n";
  std::vector<unsigned char> text(size);
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<unsigned char>(kLine[i % 40]);
  return text;
}

void BM_Kernel(benchmark::State& state, TextScanner scan) {
  const std::vector<unsigned char> text = SampleText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(scan(text.data(), text.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_Memchr(benchmark::State& state) {
  const std::vector<unsigned char> text = SampleText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(std::memchr(text.data(), 26, text.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

const std::int64_t kInCache = Runtime::TextReader::kBlockSize;
const std::int64_t kInMemory = 256 << 20;

int RegisterKernels() {
  std::size_t count;
  const TextScanKernel* kernels = AvailableTextScanKernels(&count);
  for (std::size_t i = 0; i < count; ++i) {
    benchmark::RegisterBenchmark((std::string("ScanText/") + kernels[i].name).c_str(), BM_Kernel,
                                 kernels[i].scan)
        ->Arg(kInCache)
        ->Arg(kInMemory);
  }
  return 0;
}

const int kRegistered = RegisterKernels();

}  // namespace

BENCHMARK(BM_Memchr)->Arg(kInCache)->Arg(kInMemory);

BENCHMARK_MAIN();
