#!/usr/bin/env bash
# Runs each program three ways and compares the Q and M areas after the same number of free
# cycles: the PC simulation (vexaplc-cli simulate), the generated C built with the host gcc
# against the controller library, and the same C built with sdcc and run in the s51 simulator.
set -uo pipefail
cli=$1
maker=$2
runtime=$3
examples=$4
cycles=25
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

"$maker" --differential "$work/projects"
cp -r "$examples/tank" "$work/projects/"

# "Q: 00 01 .." lines of the two areas from an s51 dump of PI_Q and PI_M.
s51_areas() {
    local ihx=$1 map=$2
    local write q m
    write=$(awk '$3 == "_IO_Write" {print $2}' "$map")
    q=$(awk '$3 == "_PI_Q" {print $2}' "$map")
    m=$(awk '$3 == "_PI_M" {print $2}' "$map")
    printf 'break 0x%s %d\nrun\ndump xram 0x%X 0x%X\ndump xram 0x%X 0x%X\nquit\n' \
        "$write" "$cycles" "$((16#$q))" "$((16#$q + 49))" "$((16#$m))" "$((16#$m + 99))" |
        s51 -t 8052 -X 12M -b "$ihx" 2>/dev/null |
        awk -v q=$((16#$q)) -v m=$((16#$m)) '
            function hex(text,    value, i) {
                value = 0
                text = tolower(text)
                for (i = 1; i <= length(text); i++) {
                    value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
                }
                return value
            }
            /^0x[0-9a-fA-F]+ / {
                address = hex(substr($1, 3))
                for (i = 2; i <= NF && $i ~ /^[0-9a-fA-F][0-9a-fA-F]$/; i++) {
                    byte[address + i - 2] = toupper($i)
                }
            }
            END {
                line = "Q:"; for (a = q; a < q + 50; a++) line = line " " byte[a]; print line
                line = "M:"; for (a = m; a < m + 100; a++) line = line " " byte[a]; print line
            }'
}

for project in "$work"/projects/*/; do
    name=$(basename "$project")
    dir="$work/$name"
    mkdir -p "$dir"
    pc=$("$cli" simulate "$project/$name.prg" --ms $((cycles * 10)) --dump Q --dump M)
    "$cli" generate "$project/$name.prg" -o "$dir/$name.c" >/dev/null
    gcc -std=c99 -O1 -w -I "$runtime" -o "$dir/$name" "$dir/$name.c" -lm
    host=$(VEXA_CYCLES=$cycles "$dir/$name" | grep -E '^(Q|M):')
    SDCC_INCLUDE="$runtime" sdcc --model-large --xram-size 2000 --code-size 32000 --use-stdout \
        -o "$dir/" "$dir/$name.c" >"$dir/error.txt" 2>&1
    if [ ! -f "$dir/$name.ihx" ]; then
        echo "FAIL $name: sdcc"; cat "$dir/error.txt"; failures=$((failures + 1)); continue
    fi
    controller=$(s51_areas "$dir/$name.ihx" "$dir/$name.map")
    for run in host controller; do
        if [ "${!run}" == "$pc" ]; then
            passes=$((passes + 1))
        else
            echo "FAIL $name: $run differs from the PC simulation"
            diff <(echo "$pc" | tr ' ' '\n') <(echo "${!run}" | tr ' ' '\n') | head -20
            failures=$((failures + 1))
        fi
    done
done
echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
