#!/usr/bin/env bash
# Prints the size of the tests against the size of the code they test: non-blank lines that are
# not only a comment, of tests/ against src/ (C++ sources, headers and CMake files). The
# benchmarks are counted apart: they measure, they do not test.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' \) -print0 |
        xargs -0 cat | grep -Ev '^\s*$|^\s*(//|/\*|\*|# )' | wc -l
}

tests=$(count tests)
code=$(count src)
echo "tests $tests, src $code, ratio $(awk "BEGIN { printf \"%.2f\", $tests / $code }"); bench $(count bench)"
