#!/usr/bin/env bash
# Builds a generated-style program with SDCC exactly as the designer's compile step does and
# checks that code and xdata fit the limits given to the compiler.
set -euo pipefail
runtime=$1
source=$2
work=$3

rm -rf "$work"
mkdir -p "$work"
name=$(basename "$source" .c)
SDCC_INCLUDE="$runtime" sdcc --model-large --xram-size 2000 --code-size 32000 --use-stdout \
    -o "$work/" "$source" >"$work/sdcc.txt" || { cat "$work/sdcc.txt"; exit 1; }
packihx "$work/$name.ihx" >"$work/$name.hex" 2>"$work/packihx.txt"
grep -q "OK" "$work/packihx.txt" || { cat "$work/packihx.txt"; exit 1; }

# .mem lines: "   ROM/EPROM/FLASH  0x0000   0x4bd7   19416    32000"
code=$(awk '/ROM\/EPROM\/FLASH/ { print $4 }' "$work/$name.mem")
xram=$(awk '/EXTERNAL RAM/ { print $5 }' "$work/$name.mem")
echo "$name: $code bytes of code (of 32000), $xram bytes of xdata (of 2000)"
[ "$code" -le 32000 ] && [ "$xram" -le 2000 ]
