#!/usr/bin/env bash
# Installs what the tests need when it is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh g++ cmake ninja-build libgtest-dev

echo "== POSIX build: unit and end-to-end tests"
cmake -S . -B build/test-posix -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTREL_WERROR=ON >/dev/null
cmake --build build/test-posix
ctest --test-dir build/test-posix --output-on-failure
