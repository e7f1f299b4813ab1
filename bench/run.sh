#!/usr/bin/env bash
# Measures quintrel beside what a user would otherwise type, on a 1 GiB text file already in the
# page cache and on a 100-byte file, and prints a table of median wall times, ratios to quintrel
# and peak memory. Then runs the counting passes' own benchmark. Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-packages.sh g++ cmake ninja-build libbenchmark-dev hyperfine ripgrep python3 time
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTREL_BENCHMARKS=ON >/dev/null
cmake --build build/bench >/dev/null
quintrel=$root/build/bench/quintrel

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
echo "Generating 1 GiB of text in $data ..."
python3 - "$data" <<'PY'
import random, sys
random.seed(7)
words = [b"alpha", b"beta", b"gamma", b"delta", b"42", b"3.14159", b"name", b"value", b"\xc3\xa9t\xc3\xa9"]
lines, size = [], 0
while size < 1 << 20:
    line = b"".join(random.choice(words) + (b"\t" if random.random() < 0.4 else b" ")
                    for _ in range(random.randint(1, 12))) + b"\r\n"
    lines.append(line)
    size += len(line)
chunk = b"".join(lines)
with open(sys.argv[1] + "/big.txt", "wb") as f:
    for _ in range((1 << 30) // len(chunk) + 1):
        f.write(chunk)
    f.truncate(1 << 30)
with open(sys.argv[1] + "/small.txt", "wb") as f:
    f.write(chunk[:100])
PY
big=$data/big.txt small=$data/small.txt
cat "$big" >/dev/null  # into the page cache

# name@@command: the commands that count (or merely read) the big file.
big_commands=(
  "quintrel@@$quintrel $big"
  "cat@@cat $big"
  "wc -l@@wc -l $big"
  "tr | wc -c@@tr -cd '\\t' < $big | wc -c"
  "rg --count-matches@@rg --count-matches '\\t' $big"
  "python bytes.count@@python3 -c 'import sys; print(open(sys.argv[1], \"rb\").read().count(b\"\\t\"))' $big"
)
small_commands=(
  "quintrel@@$quintrel $small"
  "wc -l@@wc -l $small"
)

peak_kib() {  # peak resident memory of one run, in KiB; quintrel's exit code 1 is no failure
  { /usr/bin/time -f %M bash -c "exec $1 >/dev/null" 2>&1 >/dev/null || true; } | tail -n 1
}

measure() {  # title, hyperfine options, then name@@command pairs
  local title=$1 options=$2
  shift 2
  local args=() peaks=()
  for entry in "$@"; do
    args+=(-n "${entry%%@@*}" "${entry#*@@}")
    peaks+=("$(peak_kib "${entry#*@@}")")
  done
  # shellcheck disable=SC2086
  hyperfine -i --style none $options --export-json "$data/result.json" "${args[@]}" >/dev/null 2>&1
  python3 - "$data/result.json" "$title" "${peaks[@]}" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
peaks = sys.argv[3:]
base = statistics.median(results[0]["times"])
print(f"\n{sys.argv[2]}\n")
print("| command | median wall time | ratio to quintrel | peak memory |")
print("|---|---:|---:|---:|")
for result, peak in zip(results, peaks):
    median = statistics.median(result["times"])
    name = result['command'].replace('|', '\\|')
    print(f"| {name} | {median * 1000:.1f} ms | {median / base:.2f} | {int(peak) / 1024:.1f} MiB |")
PY
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(free -g | awk '/Mem:/ {print $2}') GiB, kernel $(uname -r)"
measure "1 GiB text file in the page cache" "--warmup 2 --runs 10" "${big_commands[@]}"
measure "100-byte file" "-N --warmup 50 --runs 1000" "${small_commands[@]}"

echo
echo "Counting passes alone (Google Benchmark):"
build/bench/bench/quintrel_kernels_bench --benchmark_min_time=0.2 2>/dev/null
