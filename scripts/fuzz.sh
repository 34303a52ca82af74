#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang into build/fuzz and runs them:
#   scripts/fuzz.sh [SECONDS]        replays every target's corpus, then fuzzes each target SECONDS (60)
#   scripts/fuzz.sh long [RUNS] [OTHER_RUNS]
#                                    RUNS inputs of the form file target (10 million) and OTHER_RUNS of each
#                                    other target (2.5 million), at most three targets at a time
#   scripts/fuzz.sh merge            adds what the runs found to the kept corpora, minimised
# The kept corpus of a target is tests/data/fuzz/<target>; what the runs find collects in
# build/fuzz/corpus/<target>, and an input that fails is written to build/fuzz/findings/. Any failing input,
# in the kept corpus or found while fuzzing, fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(form_file registry_file desktop_file command_line update_index)
# Inputs up to 64 KiB, so that the largest counts and arrays a file can give are reached; one input may take
# 5 s and 2 GiB, and no single allocation may exceed 256 MiB, which no input of 64 KiB needs.
limits=(-max_len=65536 -timeout=5 -rss_limit_mb=2048 -malloc_limit_mb=256 -print_final_stats=1)
# Qt's libraries keep no frame pointers, so a stack recorded past them is garbage that differs at nearly every
# allocation, and the store of stacks would grow without end; the allocator and its caller are exact.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}malloc_context_size=2"

build()
{
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
          -DKZ_FUZZ=ON -DKZ_BUILD_TESTS=OFF -DKZ_WERROR="${KZ_WERROR:-ON}" >/dev/null
    cmake --build build/fuzz --parallel "${KZ_FUZZ_JOBS:-$(nproc)}" \
          --target "${targets[@]/%/_fuzzer}"
    mkdir -p build/fuzz/findings "${targets[@]/#/build/fuzz/corpus/}"
}

# The inputs kept for a target beside its corpus: the sample forms for the form file target.
samples()
{
    if [ "$1" = form_file ]; then echo tests/data/forms; fi
}

# The inputs a target starts from: its kept corpus, once it has one, and its samples.
seeds()
{
    if [ -d "tests/data/fuzz/$1" ]; then echo "tests/data/fuzz/$1"; fi
    samples "$1"
}

# fuzz TARGET OPTION...: fuzzes TARGET from its seeds, keeping what it finds in build/fuzz/corpus/TARGET.
fuzz()
{
    local target=$1
    shift
    mapfile -t dirs < <(seeds "$target")
    "build/fuzz/${target}_fuzzer" "${limits[@]}" -artifact_prefix="build/fuzz/findings/$target-" "$@" \
        "build/fuzz/corpus/$target" "${dirs[@]}"
}

# The lines of a run that tell only of its progress; a finding, its stack and the final figures stay.
noise='^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse|RELOAD) |NEW_FUNC|# Uses: [0-9]+$|Recommended dictionary|End of recommended dictionary|^INFO: (Running|Seed|Loaded|-max_len|A corpus|-fork|[ 0-9]+ files found)'

replay()
{
    local target=$1
    mapfile -t dirs < <(seeds "$target")
    echo "== fuzz corpus replayed: $target, $(find "${dirs[@]}" -type f | wc -l) inputs"
    "build/fuzz/${target}_fuzzer" "${limits[@]}" -artifact_prefix="build/fuzz/findings/$target-" -runs=0 \
        "${dirs[@]}" 2>&1 | { grep -vE "$noise|^stat::" || true; }
}

# Minimises the kept corpus and what the runs found into a new kept corpus. The samples seed the merge and are
# left out of the result, since they are kept already.
merge()
{
    local target=$1 kept=tests/data/fuzz/$1 merged
    merged=$(mktemp -d)
    mapfile -t samples < <(samples "$target")
    for dir in "${samples[@]}"; do cp "$dir"/* "$merged"/; done
    mkdir -p "$kept"
    "build/fuzz/${target}_fuzzer" "${limits[@]}" -merge=1 "$merged" "$kept" "build/fuzz/corpus/$target"
    for dir in "${samples[@]}"; do
        for sample in "$dir"/*; do rm -f "$merged/$(basename "$sample")"; done
    done
    chmod 755 "$merged"
    rm -rf "$kept"
    mv "$merged" "$kept"
}

# long_run TARGET RUNS: the log and its final figures in build/fuzz/long/TARGET.log.
long_run()
{
    if fuzz "$1" -runs="$2" >"build/fuzz/long/$1.log" 2>&1; then
        echo "== $1: $(grep -E '^stat::number_of_executed_units' "build/fuzz/long/$1.log")"
    else
        echo "== $1 FAILED, see build/fuzz/long/$1.log"
        return 1
    fi
}

mode=${1:-60}
build
case "$mode" in
    long)
        mkdir -p build/fuzz/long
        running=0 failed=0
        for target in "${targets[@]}"; do
            if ((running == 3)); then
                wait -n || failed=1
                ((running--))
            fi
            if [ "$target" = form_file ]; then runs=${2:-10000000}; else runs=${3:-2500000}; fi
            long_run "$target" "$runs" &
            ((++running))
        done
        while ((running > 0)); do
            wait -n || failed=1
            ((running--))
        done
        exit "$failed"
        ;;
    merge)
        for target in "${targets[@]}"; do merge "$target"; done
        ;;
    *)
        for target in "${targets[@]}"; do replay "$target"; done
        for target in "${targets[@]}"; do
            echo "== fuzzing $target for $mode s"
            fuzz "$target" -max_total_time="$mode" 2>&1 | { grep -vE "$noise" || true; }
        done
        ;;
esac
