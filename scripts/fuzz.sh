#!/usr/bin/env bash
# Builds the form file fuzzer with clang into build/fuzz and runs it for a bounded time on the sample forms:
# scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DKZ_FUZZ=ON -DKZ_BUILD_TESTS=OFF -DKZ_WERROR="${KZ_WERROR:-ON}" >/dev/null
cmake --build build/fuzz --parallel "$(nproc)" --target form_file_fuzzer

# Start from the sample forms, keep what the run finds in a scratch corpus.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build/fuzz/form_file_fuzzer -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    "$corpus" tests/data/forms
