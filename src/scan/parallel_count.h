// Counting a large regular file with several readers at once, with the same result as one pass
// from its start: the first byte 26 in the file ends the text, and an error counts only where
// that one pass would have met it.
#pragma once

#include <cstdint>

#include "platform/text_reader.h"

namespace QuintrelU {

struct ParallelPlan {
  unsigned workers;          // 1: one pass, no thread started
  std::uint64_t chunk_size;  // the file is handed out in chunks of this size, in file order
};

/// How a file of this size is shared among this many processors. Small files, and machines with
/// one processor, get one pass.
ParallelPlan PlanFor(std::uint64_t size, unsigned processors);

/// Adds to *tab_total the tabs of the open file's first size bytes, read by plan.workers readers
/// (reader itself among them), then those of the rest to the file's real end. Gives 0, or the
/// code of the first failed read in file order that the text reaches; *tab_total then holds the
/// tabs before it. Errors are only returned: every thread but the caller's only reads and counts.
int CountTabsInParallel(Runtime::TextReader& reader, std::uint64_t size, const ParallelPlan& plan,
                        std::int64_t* tab_total);

}  // namespace QuintrelU
