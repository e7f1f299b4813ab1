#include "scan/tally_tabs.h"

#include "platform/exceptions.h"
#include "platform/os/process.h"
#include "scan/parallel_count.h"
#include "scan/text_scan.h"

namespace QuintrelU {

// Adds straight into the caller's total, so that it holds what was counted before a failure.
bool CountTabsInBlock(Runtime::ByteBlock block, void* tab_total) {
  const TextScan scan = ScanText(block.data, block.size);
  *static_cast<std::int64_t*>(tab_total) += scan.tabs;
  return !scan.ended;
}

const Runtime::Unit kUnit = {"QuintrelU", nullptr, nullptr};

bool TallyTabs(const std::string& file_name, std::int64_t& count) {
  count = 0;
  Runtime::TextReader reader(file_name);
  Runtime::IoCheck(reader.Open());
  std::uint64_t size = 0;
  const ParallelPlan plan =
      reader.SizeOfRegularFile(&size) ? PlanFor(size, os::ProcessorCount()) : ParallelPlan{1, 0};
  if (plan.workers > 1) {
    Runtime::IoCheck(CountTabsInParallel(reader, size, plan, &count));
  } else {
    Runtime::IoCheck(reader.ReadEach(CountTabsInBlock, &count));
  }
  Runtime::IoCheck(reader.Close());
  return true;
}

}  // namespace QuintrelU
