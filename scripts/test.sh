#!/usr/bin/env bash
# Installs what the tests need when it is missing, then runs the named stages, all of the
# default ones when none is named:
#   unit      source format, the plain builds without test tools, the Linux unit and
#             end-to-end tests, the manual page
#   windows   quintrel.exe for i686 and x86-64, each in its .zip, and its tests under Wine
#   package   the .deb, checked without installing it, and by Debian's lintian
#   sanitize  the Linux tests again under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz      each libFuzzer target for QUINTREL_FUZZ_SECONDS (30) seconds
#   valgrind  (not a default stage) the end-to-end tests with the program under memcheck
# The machine keeps what it had: packages are only added, never removed or replaced.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

default_stages=(unit windows package sanitize fuzz)
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=("${default_stages[@]}")
for stage in "${stages[@]}"; do
  case $stage in
    unit | windows | package | sanitize | fuzz | valgrind) ;;
    *) echo "unknown stage '$stage'; the stages: ${default_stages[*]} valgrind" >&2; exit 2 ;;
  esac
done

install() { scripts/install-packages.sh "$@"; }
# shellcheck source=scripts/wine.sh
source scripts/wine.sh
fail() { echo "FAILED: $*" >&2; exit 1; }
configure() { cmake -S . -DQUINTREL_WERROR=ON "$@" >/dev/null; }
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# The version as CMake's project() gives it to the program.
project_version() {
  sed -n 's/^#define QUINTREL_VERSION "\(.*\)"$/\1/p' "$1/generated/version.h"
}

# The Linux tests' build; the windows stage adds the Windows program's tests to it.
# A command that the README's "Building from source" gives, run as it stands there.
run_readme_build() {
  local command
  command=$(grep -m1 -E "^cmake -S \. -B $1 " README.md) || fail "README gives no build of $1"
  echo "\$ $command"
  (eval "$command") >/dev/null || fail "the README's build of $1"
}

configure_linux_tests() {
  configure -B build/test-posix -DCMAKE_BUILD_TYPE=Release -DQUINTREL_TESTS=ON "$@"
}

stage_unit() {
  install g++ make cmake git libgtest-dev mandoc clang-format
  echo "== Source format (clang-format, .clang-format)"
  find src tests fuzz bench -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run -Werror
  echo "== The README's Linux build, which asks for no test tool, and its first command"
  run_readme_build build/posix
  local first report
  first=$(grep -m1 '^scripts/build.sh && ' README.md | sed 's/ *#.*//')
  report=$(eval "$first" | tail -n 1) || [ $? = 1 ] || fail "the README's first command: $first"
  [ "$report" = "Quintrel: 5 Tabs found in $root/samples/notes.txt" ] ||
    fail "the README's first command said [$report]"
  echo "== Linux unit and end-to-end tests"
  configure_linux_tests
  cmake --build build/test-posix
  ctest --test-dir build/test-posix --output-on-failure -LE windows
}

# What the .zip holds: the program with both resources, and texts a Windows user can read.
check_windows_package() {
  local unpacked=$1 text
  [ "$(cd "$unpacked" && ls | sort | tr '\n' ' ')" = \
    "LICENSE.txt README-Windows.txt quintrel.exe quintrel.html " ] ||
    fail "the .zip holds: $(ls "$unpacked")"
  for text in LICENSE.txt README-Windows.txt; do
    # Every line ends in CR LF: no LF stands without its CR.
    ! grep -q $'[^\r]$' "$unpacked/$text" || fail "$text has a line without CR LF"
  done
  # The resource directory holds a version resource (type 16) and a manifest (type 24).
  local resources
  resources=$(x86_64-w64-mingw32-objdump -p "$unpacked/quintrel.exe" |
    sed -n '/The .rsrc Resource Directory/,$p' | grep -oE '^0[0-9a-f]{2}   Entry: ID: 0x0000[0-9a-f]{2}')
  grep -q 'ID: 0x000010' <<<"$resources" && grep -q 'ID: 0x000018' <<<"$resources" ||
    fail "quintrel.exe lacks its version resource or its manifest: $resources"
}

stage_windows() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    apt-get update -qq
  fi
  install g++ make cmake libgtest-dev unzip mandoc g++-mingw-w64-i686-posix \
    g++-mingw-w64-x86-64-posix wine wine32:i386 wine64
  echo "== The README's Windows build, which asks for no test tool"
  run_readme_build build/win-i686
  echo "== The Windows builds, quintrel.exe for i686 and x86-64, each packed in a .zip"
  for arch in i686 x86_64; do
    configure -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake \
      -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
    cmake --build "build/win-$arch"
    (cd "build/win-$arch" && cpack >/dev/null)
  done

  choose_wine
  echo "== The Windows tests' helpers and unit tests, for $wine_arch"
  configure -B "build/win-tests-$wine_arch" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$wine_arch.cmake \
    -DQUINTREL_TESTS=ON
  cmake --build "build/win-tests-$wine_arch"

  # The Windows tests run the program as the .zip delivers it.
  local version unpacked
  version=$(project_version "build/win-$wine_arch")
  unpacked=$root/build/win-$wine_arch/unpacked
  rm -rf "$unpacked" && mkdir -p "$unpacked"
  unzip -q "build/win-$wine_arch/quintrel-$version-win-$wine_arch.zip" -d "$unpacked"
  check_windows_package "$unpacked"

  echo "== Wine prefix for this run"
  start_wine "$root/build/wineprefix"

  echo "== The Windows program's tests under Wine"
  configure_linux_tests -DQUINTREL_WINDOWS_TEST_DIR="$root/build/win-tests-$wine_arch" \
    -DQUINTREL_WINDOWS_EXE="$unpacked/quintrel.exe" -DQUINTREL_WINE_LOADER="$wine_loader" \
    -DQUINTREL_WINE_PREFIX="$WINEPREFIX"
  cmake --build build/test-posix
  ctest --test-dir build/test-posix --output-on-failure -L windows
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  trap - EXIT
}

stage_package() {
  install g++ make cmake man-db lintian
  echo "== The Debian package, unpacked into a scratch root: run, manual page, control data"
  run_readme_build build/posix
  (cd build/posix && cpack >/dev/null)
  local version deb unpacked report exit_code
  version=$(project_version build/posix)
  deb=$(echo build/posix/quintrel_"$version"_*.deb)
  [ -f "$deb" ] || fail "no package quintrel_${version}_*.deb"
  unpacked=$(mktemp -d)
  dpkg-deb -x "$deb" "$unpacked"
  report=$(cd samples && "$unpacked/usr/bin/quintrel" notes.txt) && exit_code=0 || exit_code=$?
  [ "$report" = "$(printf '\nQuintrel: 5 Tabs found in %s/samples/notes.txt' "$root")" ] &&
    [ "$exit_code" = 1 ] || fail "the packaged quintrel said [$report], exit code $exit_code"
  man -l "$unpacked/usr/share/man/man1/quintrel.1.gz" 2>/dev/null | grep -q 'quintrel - count the tab characters' ||
    fail "the packaged manual page does not render"
  [ "$(dpkg-deb -f "$deb" Package Version)" = "$(printf 'Package: quintrel\nVersion: %s' "$version")" ] ||
    fail "control data: $(dpkg-deb -f "$deb" Package Version)"
  [ -z "$(dpkg-deb -f "$deb" Depends)" ] || fail "the static program depends on nothing"
  rm -rf "$unpacked"
  local findings
  findings=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$findings" ] || fail "lintian: $findings"
  echo "package: $deb ran, its manual page renders, version $version"
}

stage_sanitize() {
  install g++ make cmake git libgtest-dev mandoc
  echo "== Linux tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  configure -B build/test-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTREL_TESTS=ON \
    -DQUINTREL_SANITIZE=ON
  cmake --build build/test-sanitize
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build/test-sanitize --output-on-failure
}

stage_fuzz() {
  install make cmake clang libclang-rt-14-dev
  echo "== Fuzzing: each libFuzzer target for ${QUINTREL_FUZZ_SECONDS:=30} s"
  configure -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTREL_FUZZ=ON
  cmake --build build/fuzz
  for target in item_split switch_parser text_scan; do
    # New inputs go to a scratch folder; the seeds in the repository stay as they are.
    local scratch
    scratch=$(mktemp -d)
    if ! build/fuzz/fuzz/${target}_fuzzer -max_total_time="$QUINTREL_FUZZ_SECONDS" \
      -print_final_stats=1 "$scratch" "fuzz/corpus/$target" >"$scratch.log" 2>&1; then
      tail -n 40 "$scratch.log"
      fail "${target}_fuzzer"
    fi
    echo "${target}_fuzzer: $(grep -E '^Done' "$scratch.log")"
    rm -rf "$scratch" "$scratch.log"
  done
  echo "Fuzzing found nothing."
}

stage_valgrind() {
  install g++ make cmake libgtest-dev valgrind
  echo "== The end-to-end tests with the program under valgrind's memcheck"
  configure -B build/test-valgrind -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTREL_TESTS=ON \
    -DQUINTREL_STATIC=OFF
  cmake --build build/test-valgrind
  local wrapper=$root/build/test-valgrind/quintrel-under-memcheck
  # Any error memcheck finds changes the exit code, which every end-to-end test checks.
  printf '#!/bin/sh\nexec valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect --log-file=/tmp/quintrel-memcheck.%%p %s "$@"\n' \
    "$root/build/test-valgrind/quintrel" >"$wrapper"
  chmod +x "$wrapper"
  # Left out: the runs of another program (fault injection, failing allocation, a copy run as
  # nobody); closed standard output, whose descriptor valgrind's own log would take; and a file
  # size limit of 0, under which valgrind cannot write its log.
  QUINTREL_UNDER_TEST=$wrapper build/test-valgrind/tests/quintrel_end_to_end_tests \
    --gtest_filter='EndToEnd.*-*ClosedStandardOutput*:*ExhaustedMemory*:*Unreadable*:*OutputLostAtShutDown*'
}

for stage in "${stages[@]}"; do
  "stage_$stage"
done
echo "Stages passed: ${stages[*]}"
