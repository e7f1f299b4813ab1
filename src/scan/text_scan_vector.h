// The vector pass, written once for any width. Per step of four vectors: the compares against 26
// are folded into one test, and the compares against 9, whose lanes are all ones on a match, are
// subtracted into byte counters. A lane gains at most 4 per step, so the counters are summed into
// 64 bits every 63 steps, before they could pass 255. At a 26, the plain loop finishes the step.
//
// Each instruction set's file instantiates it with its own operations. The unnamed namespace keeps
// every instantiation inside the file compiled for its instruction set, so that the linker never
// hands one file's code to another.
#pragma once

#include <cstddef>
#include <cstdint>

#include "scan/text_scan.h"

namespace {

template <class Ops>
TextScan ScanTextWith(const unsigned char* data, std::size_t size) {
  using Vector = typename Ops::Vector;
  constexpr std::size_t kStep = 4 * sizeof(Vector);
  constexpr std::size_t kStepsPerSum = 63;
  const Vector tab = Ops::Splat(9);
  const Vector end_of_text = Ops::Splat(26);
  std::int64_t tabs = 0;
  std::size_t i = 0;
  bool end_seen = false;
  while (!end_seen && size - i >= kStep) {
    const std::size_t steps = (size - i) / kStep < kStepsPerSum ? (size - i) / kStep : kStepsPerSum;
    const std::size_t stop = i + steps * kStep;
    Vector counters = Ops::Zero();
    for (; i < stop; i += kStep) {
      const Vector a = Ops::Load(data + i);
      const Vector b = Ops::Load(data + i + sizeof(Vector));
      const Vector c = Ops::Load(data + i + 2 * sizeof(Vector));
      const Vector d = Ops::Load(data + i + 3 * sizeof(Vector));
      const Vector ends = Ops::Or(Ops::Or(Ops::Equal(a, end_of_text), Ops::Equal(b, end_of_text)),
                                  Ops::Or(Ops::Equal(c, end_of_text), Ops::Equal(d, end_of_text)));
      if (Ops::Any(ends)) {
        end_seen = true;
        break;
      }
      counters = Ops::Subtract(counters, Ops::Equal(a, tab));
      counters = Ops::Subtract(counters, Ops::Equal(b, tab));
      counters = Ops::Subtract(counters, Ops::Equal(c, tab));
      counters = Ops::Subtract(counters, Ops::Equal(d, tab));
    }
    tabs += Ops::SumBytes(counters);
  }
  const TextScan rest = ScanTextPlain(data + i, size - i);
  return {tabs + rest.tabs, rest.ended};
}

}  // namespace
