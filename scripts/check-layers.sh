#!/usr/bin/env bash
# Fails when an #include reaches from a lower layer of the program into a higher one, or from one form's folder
# into another's, naming the file and the line: scripts/check-layers.sh [source root]
#
# The layers, lowest first. Folders on one line are side by side and do not include each other. A file belongs
# to the longest folder that holds it, so the files directly in forms/ (the list of the forms) sit above the
# form folders. tests/ and tools/ may include anything and are not checked.
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"

layers=(
    "platform"
    "app"
    "editor"
    "forms/print"
    "forms/common"
    "forms/atr forms/eur1 forms/uz forms/lze848a"
    "forms"
    "support"
    "program"
)

folders=()
for layer in "${layers[@]}"; do
    for folder in $layer; do
        [ -d "$folder" ] && folders+=("$folder")
    done
done

table=$(for rank in "${!layers[@]}"; do for folder in ${layers[$rank]}; do echo "$folder $rank"; done; done)

find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -zu | xargs -0 -r awk -v table="$table" '
    function folderOf(path,    best, f) {
        best = ""
        for (f in rank)
            if (index(path, f "/") == 1 && length(f) > length(best)) best = f
        return best
    }
    function exists(path,    line, ok) {
        ok = (getline line < path) >= 0
        close(path)
        return ok
    }
    # Folds "a/b/../c" to "a/c" and drops "./".
    function normal(path,    n, parts, out, i, k) {
        n = split(path, parts, "/")
        k = 0
        for (i = 1; i <= n; i++) {
            if (parts[i] == "." || parts[i] == "") continue
            if (parts[i] == ".." && k > 0) { k--; continue }
            out[++k] = parts[i]
        }
        path = ""
        for (i = 1; i <= k; i++) path = path (i > 1 ? "/" : "") out[i]
        return path
    }
    BEGIN {
        n = split(table, rows, "\n")
        for (i = 1; i <= n; i++) { split(rows[i], cell, " "); rank[cell[1]] = cell[2] }
    }
    FNR == 1 {
        from = folderOf(FILENAME)
        dir = FILENAME
        sub(/\/[^\/]*$/, "", dir)
    }
    /^[ \t]*#[ \t]*include[ \t]*["<]/ {
        target = $0
        sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", target)
        sub(/[">].*$/, "", target)
        # An include next to the file wins over one from the root, as with the compiler.
        beside = normal(dir "/" target)
        path = exists(beside) ? beside : normal(target)
        to = folderOf(path)
        if (to == "" || to == from) next
        if (rank[to] > rank[from]) {
            printf "%s:%d: includes %s from %s, a layer above %s\n", FILENAME, FNR, target, to, from
            bad = 1
        } else if (rank[to] == rank[from]) {
            printf "%s:%d: includes %s from %s, beside %s\n", FILENAME, FNR, target, to, from
            bad = 1
        }
    }
    END { exit bad }
' || {
    order=$(for layer in "${layers[@]}"; do printf ' < %s' "${layer// /, }"; done)
    echo "An include crosses a layer; the layers, lowest first: ${order:3}" >&2
    exit 1
}
