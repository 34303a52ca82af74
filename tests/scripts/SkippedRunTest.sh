#!/usr/bin/env bash
# Without the PDF tools every A.TR. print test skips: ctest reports each of them, and the run of all of them
# together, as skipped and none as passed. The tests run from a folder of their own, so that this run's logs
# do not mix with those of the run around it.
set -euo pipefail
ctest=$1
tests=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
printf 'include("%s/CTestTestfile.cmake")\n' "$tests" > "$folder/CTestTestfile.cmake"

output=$(PATH=/nonexistent "$ctest" --test-dir "$folder" -R '^(ATRPrint\.|atr_print_tests\.together$)' 2>&1) ||
    { echo "$output" >&2; exit 1; }
if grep -E 'Test +#.* Passed' <<<"$output" >&2; then
    echo "tests that skipped were reported as passed" >&2
    exit 1
fi
grep -qE 'Test +#.*ATRPrint\..*\*\*\*Skipped' <<<"$output" || { echo "$output" >&2; exit 1; }
grep -qE 'Test +#.*atr_print_tests\.together .*\*\*\*Skipped' <<<"$output" || { echo "$output" >&2; exit 1; }
