#!/usr/bin/env bash
# Runs an example through vexaplc-cli: the first line of expected.txt holds the arguments after
# the project file, the rest the output the run must print.
set -euo pipefail
cli=$1
example=$2
name=$(basename "$example")
read -r -a arguments < <(head -n 1 "$example/expected.txt")
expected=$(tail -n +2 "$example/expected.txt")
actual=$("$cli" simulate "$example/$name.prg" "${arguments[@]}")
if [ "$actual" != "$expected" ]; then
    echo "vexaplc-cli simulate $example/$name.prg ${arguments[*]}"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi
echo "$name: as expected"
