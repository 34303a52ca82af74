#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what the root .clang-format makes of it, naming file and line.
# `clang-format-14 -i FILE` formats a file.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format-14 --dry-run --Werror
