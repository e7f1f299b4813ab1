#!/usr/bin/env bash
# Builds the POSIX program into build/posix, installing the compiler and CMake when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh g++ make cmake
cmake -S . -B build/posix -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/posix
