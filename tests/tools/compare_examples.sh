#!/usr/bin/env bash
# Writes the examples anew into a temporary folder and compares every file with examples/.
set -euo pipefail
maker=$1
examples=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$maker" "$fresh"
status=0
while IFS= read -r file; do
    relative=${file#"$fresh"/}
    if ! cmp -s "$file" "$examples/$relative"; then
        echo "differs from the writer's output: examples/$relative"
        status=1
    fi
done < <(find "$fresh" -type f | sort)
exit $status
