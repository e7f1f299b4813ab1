#include "scan/parallel_count.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "scan/tally_tabs.h"

namespace QuintrelU {
namespace {

// Chunks large enough that a worker reads several blocks per hand-out, small enough that the
// workers read close together in the file and finish close together.
constexpr std::uint64_t kChunkSize = 8 << 20;
// The results wait in memory until they are added up in file order, one per chunk: so many at
// the most, whatever the file's size.
constexpr std::uint64_t kMostChunks = 4096;
// Below two chunks a thread costs more than it saves.
constexpr std::uint64_t kSmallestParallelFile = 2 * kChunkSize;
// Bounds the concurrent reads (and the blocks in memory: one each). On a spinning disk the
// readers stay within a few chunks of each other, so the heads move little.
constexpr unsigned kMostWorkers = 8;

struct Chunk {
  std::int64_t tabs = 0;
  bool ended = false;  // a byte 26 ended the text inside it
  int error = 0;
};

// What the workers share: the next chunk to take, and the first chunk that stopped (a byte 26 or
// an error), past which no chunk need be read.
struct Work {
  std::uint64_t size;
  std::uint64_t chunk_size;
  std::vector<Chunk> chunks;
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> first_stop;
};

bool CountTabsInChunk(Runtime::ByteBlock block, void* chunk_context) {
  auto* chunk = static_cast<Chunk*>(chunk_context);
  chunk->ended = !CountTabsInBlock(block, &chunk->tabs);
  return !chunk->ended;
}

void LowerFirstStop(Work* work, std::size_t index) {
  std::size_t stop = work->first_stop.load();
  while (index < stop && !work->first_stop.compare_exchange_weak(stop, index)) {
  }
}

void ReadChunks(Runtime::TextReader* reader, Work* work) {
  for (;;) {
    const std::size_t index = work->next.fetch_add(1);
    if (index >= work->chunks.size() || index > work->first_stop.load()) return;
    Chunk& chunk = work->chunks[index];
    const std::uint64_t begin = index * work->chunk_size;
    const std::uint64_t end = std::min(work->size, begin + work->chunk_size);
    chunk.error = reader->ReadRange(begin, end, CountTabsInChunk, &chunk);
    if (chunk.error != 0 || chunk.ended) LowerFirstStop(work, index);
  }
}

}  // namespace

ParallelPlan PlanFor(std::uint64_t size, unsigned processors) {
  if (size < kSmallestParallelFile || processors < 2) return {1, kChunkSize};
  const std::uint64_t chunk_size = std::max(kChunkSize, (size + kMostChunks - 1) / kMostChunks);
  const std::uint64_t chunks = (size + chunk_size - 1) / chunk_size;
  const auto workers =
      static_cast<unsigned>(std::min<std::uint64_t>({processors, kMostWorkers, chunks}));
  return {workers, chunk_size};
}

int CountTabsInParallel(Runtime::TextReader& reader, std::uint64_t size, const ParallelPlan& plan,
                        std::int64_t* tab_total) {
  Work work;
  work.size = size;
  work.chunk_size = plan.chunk_size;
  work.chunks.resize(static_cast<std::size_t>((size + plan.chunk_size - 1) / plan.chunk_size));
  work.first_stop = work.chunks.size();

  // Readers and threads that cannot be had leave their chunks to the others. All that may
  // allocate comes before the first thread starts, so that nothing raised leaves one running.
  std::vector<std::unique_ptr<Runtime::TextReader>> helpers;
  helpers.reserve(plan.workers - 1);
  for (unsigned i = 1; i < plan.workers; ++i) {
    auto helper = std::make_unique<Runtime::TextReader>(std::string());
    if (helper->OpenAnother(reader) != 0) break;
    helpers.push_back(std::move(helper));
  }
  std::vector<std::thread> threads;
  threads.reserve(helpers.size());
  for (const auto& helper : helpers) {
    try {
      threads.emplace_back(ReadChunks, helper.get(), &work);
    } catch (const std::system_error&) {
      break;
    }
  }
  ReadChunks(&reader, &work);
  for (std::thread& thread : threads) thread.join();
  for (const auto& helper : helpers) helper->Close();

  // The chunks in file order, as one pass would have met them.
  for (const Chunk& chunk : work.chunks) {
    *tab_total += chunk.tabs;
    if (chunk.error != 0 || chunk.ended) return chunk.error;
  }
  // A file that grew while it was read is read on to its real end.
  Chunk rest;
  const int rest_code =
      reader.ReadRange(size, Runtime::TextReader::kToTheEnd, CountTabsInChunk, &rest);
  *tab_total += rest.tabs;
  return rest_code;
}

}  // namespace QuintrelU
