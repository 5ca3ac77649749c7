#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: with Qt (widget tests on the
# offscreen platform) and with Qt switched off, which proves that no model reaches for Qt.
# Both builds run under AddressSanitizer and UndefinedBehaviorSanitizer and leave out the
# benchmarks, which measure nothing there. Then it builds the optimised configuration the
# benchmarks are measured with, tests and benchmarks included (built only, so that an optimised
# build cannot fail unseen), and last the Debian package from that same build, checked installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVOLIN_SANITIZE=ON \
    -DTAVOLIN_BUILD_BENCH=OFF
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

cmake -S . -B build/noqt -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVOLIN_SANITIZE=ON \
    -DTAVOLIN_WITH_QT=OFF -DTAVOLIN_BUILD_BENCH=OFF
cmake --build build/noqt -j "$jobs"
ctest --test-dir build/noqt --output-on-failure -j "$jobs"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/release -j "$jobs"
scripts/check-package.sh build/release
