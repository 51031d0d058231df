#!/usr/bin/env bash
# Builds a generated-style program (or the library's own test) with the host compiler against
# runtime/, with warnings as errors and undefined behaviour trapped, and runs it. With an
# expected file, the printed process image must match it; VEXA_CYCLES and VEXA_BUS_IN come
# from the caller's environment.
set -euo pipefail
cc=$1
runtime=$2
source=$3
binary=$4
expected=${5:-}

"$cc" -std=c99 -O2 -Wall -Wextra -Werror -fsanitize=undefined -fno-sanitize-recover=all \
    -I"$runtime" "$source" -o "$binary" -lm
status=0
actual=$("$binary") || status=$?
if [ "$status" -ne 0 ]; then
    echo "$actual"
    echo "$(basename "$source") exited with $status"
    exit 1
fi
if [ -n "$expected" ]; then
    if [ "$actual" != "$(cat "$expected")" ]; then
        diff <(cat "$expected") <(echo "$actual") || true
        exit 1
    fi
    echo "$(basename "$source"): process image as expected"
else
    echo "$actual"
fi
