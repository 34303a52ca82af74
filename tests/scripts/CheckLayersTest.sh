#!/usr/bin/env bash
# The layer check on a small tree of its own: an upward include is named with its file and line and fails the
# check; the same tree without it passes.
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/editor" "$tree/forms/common"
printf '#pragma once\n' > "$tree/forms/common/FormView.h"
printf '#pragma once\n#include "editor/Low.h"\n' > "$tree/forms/common/Uses.h"
printf '#pragma once\n\n#include "forms/common/FormView.h"\n' > "$tree/editor/Low.h"

if output=$(bash "$check" "$tree" 2>&1); then
    echo "an upward include passed the check" >&2
    exit 1
fi
grep -q '^editor/Low.h:3: includes forms/common/FormView.h' <<<"$output" || { echo "$output" >&2; exit 1; }

printf '#pragma once\n' > "$tree/editor/Low.h"
bash "$check" "$tree"
