#!/usr/bin/env bash
# Installs what the tests need when it is missing, builds both builds, and runs every test:
# the POSIX build natively, the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi
scripts/install-packages.sh g++ cmake ninja-build libgtest-dev mandoc man-db unzip \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64

echo "== Windows build: quintrel.exe, 32-bit and x86-64, each packed in a .zip"
for arch in i686 x86_64; do
  cmake -S . -B "build/win-$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTREL_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake >/dev/null
  cmake --build "build/win-$arch"
  (cd "build/win-$arch" && cpack >/dev/null)
done

# The 32-bit program is what ships; Wine runs it where the kernel runs 32-bit code. Elsewhere
# the same source, built for x86-64, is what the Windows tests run.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  wine_arch=i686 wine_loader=/usr/lib/wine/wine
else
  wine_arch=x86_64 wine_loader=/usr/lib/wine/wine64
  echo "NOTE: this kernel cannot run 32-bit programs; the Windows tests run the x86-64 build" \
    "under wine64, and build/win-i686/quintrel.exe is built but not run."
fi

# The Windows tests run the program as the .zip delivers it.
unpacked=$root/build/win-$wine_arch/unpacked
rm -rf "$unpacked" && mkdir -p "$unpacked"
unzip -q "build/win-$wine_arch/quintrel-1.0-win-$wine_arch.zip" -d "$unpacked"
test -f "$unpacked/README-Windows.txt"

echo "== Wine prefix for this run"
export WINEPREFIX=$root/build/wineprefix WINELOADER=$wine_loader WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# One server for the whole run, started before anything else, so that no test pays for Wine's
# start-up.
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 &
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
"$wine_loader" wineboot -i >/dev/null 2>&1

echo "== POSIX build, and the tests of both builds"
cmake -S . -B build/test-posix -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTREL_WERROR=ON \
  -DQUINTREL_WINDOWS_BIN_DIR="$root/build/win-$wine_arch" -DQUINTREL_WINDOWS_EXE="$unpacked/quintrel.exe" \
  -DQUINTREL_WINE_LOADER="$wine_loader" -DQUINTREL_WINE_PREFIX="$WINEPREFIX" >/dev/null
cmake --build build/test-posix
ctest --test-dir build/test-posix --output-on-failure

echo "== The Debian package: install it, run quintrel from the PATH, find its manual page"
(cd build/test-posix && cpack >/dev/null)
dpkg -i build/test-posix/quintrel_1.0_*.deb >/dev/null
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; dpkg -r quintrel >/dev/null 2>&1 || true' EXIT
installed_report=$(cd samples && quintrel notes.txt) && exit_code=0 || exit_code=$?
expected_report=$(printf '\nQuintrel: 5 Tabs found in %s/samples/notes.txt' "$root")
[ "$installed_report" = "$expected_report" ] && [ "$exit_code" = 1 ] ||
  { echo "FAILED: the installed quintrel said [$installed_report], exit code $exit_code"; exit 1; }
[ "$(man -w quintrel)" = /usr/share/man/man1/quintrel.1.gz ] ||
  { echo "FAILED: no manual page for quintrel"; exit 1; }
echo "package: installed, ran from $(command -v quintrel), manual page $(man -w quintrel)"
dpkg -r quintrel >/dev/null

echo "== POSIX build under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/test-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTREL_WERROR=ON \
  -DQUINTREL_SANITIZE=ON >/dev/null
cmake --build build/test-sanitize
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build/test-sanitize --output-on-failure

echo "== Fuzzing: each libFuzzer target for ${QUINTREL_FUZZ_SECONDS:=30} s"
scripts/install-packages.sh clang libclang-rt-14-dev
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUINTREL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build/fuzz
for target in item_split switch_parser text_scan; do
  # New inputs go to a scratch folder; the seeds in the repository stay as they are.
  scratch=$(mktemp -d)
  if ! build/fuzz/fuzz/${target}_fuzzer -max_total_time="$QUINTREL_FUZZ_SECONDS" \
    -print_final_stats=1 "$scratch" "fuzz/corpus/$target" >"$scratch.log" 2>&1; then
    tail -n 40 "$scratch.log"
    echo "FAILED: ${target}_fuzzer"
    exit 1
  fi
  echo "${target}_fuzzer: $(grep -E '^Done' "$scratch.log")"
  rm -rf "$scratch" "$scratch.log"
done
echo "Fuzzing found nothing."
