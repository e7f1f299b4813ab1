// The two views of the command line as its length grows: the parameter list's item split and
// lowering, and the switch lookup over the raw line and over arguments passed apart. Bytes per
// second stay flat when the cost grows with the line, not faster.
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "cmdline/parameter_list.h"
#include "cmdline/switch_lookup.h"

namespace {

// "Quintrel notes.txt" and count more arguments, every tenth a switch-like one to be lowered.
std::vector<std::string> Arguments(std::int64_t count) {
  std::vector<std::string> arguments = {"notes.txt"};
  for (std::int64_t i = 0; i < count; ++i) {
    arguments.push_back(i % 10 == 0 ? "/X" + std::to_string(i) : "arg" + std::to_string(i));
  }
  return arguments;
}

std::string RawLine(const std::vector<std::string>& arguments) {
  std::string line = "Quintrel";
  for (const std::string& argument : arguments) line += " " + argument;
  return line;
}

void BM_ParameterList(benchmark::State& state) {
  const std::string line = RawLine(Arguments(state.range(0)));
  for (auto _ : state) {
    Runtime::TStringList list;
    ParmU::BuildParameterList(line, true, &list);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}

void BM_SwitchLookupOnTheRawLine(benchmark::State& state) {
  const std::string line = RawLine(Arguments(state.range(0))) + " /Q";
  for (auto _ : state) {
    benchmark::DoNotOptimize(SwitchLookup::FindCmdLineSwitch(line, "?"));
    benchmark::DoNotOptimize(SwitchLookup::FindCmdLineSwitch(line, "Q"));
  }
  state.SetBytesProcessed(state.iterations() * 2 * static_cast<std::int64_t>(line.size()));
}

void BM_SwitchLookupAmongArguments(benchmark::State& state) {
  std::vector<std::string> words = Arguments(state.range(0));
  words.push_back("/Q");
  const std::vector<std::string_view> arguments(words.begin(), words.end());
  const std::int64_t bytes = static_cast<std::int64_t>(RawLine(words).size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(SwitchLookup::FindSwitchAmong(arguments, "?"));
    benchmark::DoNotOptimize(SwitchLookup::FindSwitchAmong(arguments, "Q"));
  }
  state.SetBytesProcessed(state.iterations() * 2 * bytes);
}

}  // namespace

BENCHMARK(BM_ParameterList)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_SwitchLookupOnTheRawLine)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_SwitchLookupAmongArguments)->Arg(1000)->Arg(10000)->Arg(100000);

BENCHMARK_MAIN();
