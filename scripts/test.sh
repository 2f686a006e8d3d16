#!/usr/bin/env bash
# Installs what is missing, builds Quorvel with its tests and runs all of them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=ON -DQUORVEL_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
