#!/usr/bin/env bash
# Measures quintrel beside what a user would otherwise type, and prints tables of median wall
# times, ratios to the first row and peak memory:
#   - a 512 MiB text file already in the page cache, read by one worker and by one per processor
#     (one worker: the program run on one processor with taskset);
#   - a 100-byte file;
#   - 100,000 arguments after the file name, against the same exec of /bin/true;
#   - the Windows program under Wine: the same files, and the longest command line Windows takes.
# Then runs the Google Benchmark programs: the counting passes, and the command line's two views.
# Not part of the tests: it prints figures, and passes or fails on nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi
scripts/install-packages.sh g++ make cmake libbenchmark-dev libgtest-dev hyperfine ripgrep \
  python3 time g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DQUINTREL_BENCHMARKS=ON >/dev/null
cmake --build build/bench >/dev/null
quintrel=$root/build/bench/quintrel

# shellcheck source=scripts/wine.sh
source scripts/wine.sh
choose_wine
cmake -S . -B "build/win-tests-$wine_arch" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$wine_arch.cmake" \
  -DQUINTREL_TESTS=ON >/dev/null
cmake --build "build/win-tests-$wine_arch" --target quintrel launch >/dev/null
exe=$root/build/win-tests-$wine_arch/quintrel.exe
launch=$root/build/win-tests-$wine_arch/tests/windows/launch.exe
start_wine "$root/build/wineprefix-bench"

data=$(mktemp -d)
trap 'rm -rf "$data"; /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
echo "Generating 512 MiB of text in $data ..."
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
    for _ in range((512 << 20) // len(chunk) + 1):
        f.write(chunk)
    f.truncate(512 << 20)
with open(sys.argv[1] + "/small.txt", "wb") as f:
    f.write(chunk[:100])
arguments = "".join("arg%d\n" % i for i in range(100000))
open(sys.argv[1] + "/args.txt", "w").write(arguments)
open(sys.argv[1] + "/args-q.txt", "w").write(arguments + "/Q\n")
PY
big=$data/big.txt small=$data/small.txt
cat "$big" >/dev/null  # into the page cache

# The longest command line Windows takes (32,767 characters), and the same program's plain one.
python3 - "$data" <<'PY'
import sys
line = "Quintrel small.txt"
i = 0
while len(line) + len(" arg%d" % i) <= 32767:
    line += " arg%d" % i
    i += 1
open(sys.argv[1] + "/longest.cmd", "w").write(line)
open(sys.argv[1] + "/plain.cmd", "w").write("Quintrel small.txt")
PY
windows() { printf 'Z:%s' "${1//\//\\}"; }

# name@@command
big_commands=(
  "quintrel, one worker per processor ($(nproc))@@$quintrel $big"
  "quintrel, one worker@@taskset -c 0 $quintrel $big"
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
# xargs passes every argument to one exec (-x fails rather than split them).
arguments_commands=(
  "/bin/true, the same exec@@xargs -x -s 2000000 -a $data/args.txt /bin/true $small"
  "quintrel@@xargs -x -s 2000000 -a $data/args.txt $quintrel $small"
  "quintrel, /Q last@@xargs -x -s 2000000 -a $data/args-q.txt $quintrel $small"
)
windows_commands=(
  "quintrel.exe under Wine, one worker per processor@@$wine_loader $exe $(windows "$big")"
  "quintrel.exe under Wine, one worker@@taskset -c 0 $wine_loader $exe $(windows "$big")"
  "quintrel.exe under Wine, 100-byte file@@$wine_loader $exe $(windows "$small")"
)
windows_line_commands=(
  "plain command line@@$wine_loader $launch $exe $(windows "$data/plain.cmd")"
  "32,767 characters@@$wine_loader $launch $exe $(windows "$data/longest.cmd")"
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
  (cd "$data" && hyperfine -i --style none $options --export-json "$data/result.json" \
    "${args[@]}" >/dev/null 2>&1)
  python3 - "$data/result.json" "$title" "${peaks[@]}" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
peaks = sys.argv[3:]
base = statistics.median(results[0]["times"])
print(f"\n{sys.argv[2]}\n")
print("| command | median wall time | ratio to the first row | peak memory |")
print("|---|---:|---:|---:|")
for result, peak in zip(results, peaks):
    median = statistics.median(result["times"])
    name = result['command'].replace('|', '\\|')
    print(f"| {name} | {median * 1000:.1f} ms | {median / base:.2f} | {int(peak) / 1024:.1f} MiB |")
PY
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(free -g | awk '/Mem:/ {print $2}') GiB, kernel $(uname -r)"
measure "512 MiB text file in the page cache" "--warmup 3 --runs 30" "${big_commands[@]}"
measure "100-byte file" "-N --warmup 50 --runs 1000" "${small_commands[@]}"
measure "100,000 arguments after the file name" "--warmup 3 --runs 20" "${arguments_commands[@]}"
measure "The Windows program under Wine ($wine_arch), 512 MiB and 100-byte files" \
  "--warmup 3 --runs 20" "${windows_commands[@]}"
measure "The Windows program under Wine ($wine_arch), started through launch.exe" \
  "--warmup 3 --runs 20" "${windows_line_commands[@]}"

echo
echo "Counting passes alone (Google Benchmark):"
build/bench/bench/quintrel_kernels_bench --benchmark_min_time=0.2 2>/dev/null
echo
echo "The command line's two views (Google Benchmark; flat bytes per second: linear cost):"
build/bench/bench/quintrel_command_line_bench --benchmark_min_time=0.2 2>/dev/null
