#!/usr/bin/env bash
# Builds the program into build/normal, or with the sanitizers into build/sanitize: scripts/build.sh [normal|sanitize]
# A warning fails the build unless KZ_WERROR=OFF is in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-normal}
case "$kind" in
    normal)   flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    sanitize) flags=(-DCMAKE_BUILD_TYPE=Debug -DKZ_SANITIZE=ON) ;;
    *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac
cmake -S . -B "build/$kind" -G Ninja "${flags[@]}" -DKZ_WERROR="${KZ_WERROR:-ON}" >/dev/null
cmake --build "build/$kind" --parallel "$(nproc)"
