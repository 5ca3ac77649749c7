#!/usr/bin/env bash
# Installs what is missing, builds Tavolin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVOLIN_BUILD_TESTS=OFF
cmake --build build/release -j "$(nproc)" --target tavolin
exec build/release/src/app/tavolin
