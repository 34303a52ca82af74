#!/usr/bin/env bash
# Sets up the machine, builds twice (normally, and with AddressSanitizer and UndefinedBehaviorSanitizer), each
# failing on any warning, and runs every test in both builds; before them the include layers and the format of
# the sources are checked, and every fuzz target replays its corpus and then fuzzes for half a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export KZ_WERROR=ON
echo "== include layers"
bash scripts/check-layers.sh
echo "== source format"
bash scripts/check-format.sh
echo "== fuzz targets"
bash scripts/fuzz.sh 30

for kind in normal sanitize; do
    echo "== $kind build"
    bash scripts/build.sh "$kind"
    ctest --test-dir "build/$kind" --output-on-failure --parallel "$(nproc)"
done
