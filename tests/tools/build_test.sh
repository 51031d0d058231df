#!/usr/bin/env bash
# vexaplc-cli build with the real sdcc and packihx: every example becomes a .hex, also in a
# folder whose name holds a space; a program the compiler rejects shows its messages and the
# error line.
set -uo pipefail
cli=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() { # name, condition result
    if [ "$2" -eq 0 ]; then passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

for example in "$examples"/*/; do
    name=$(basename "$example")
    folder="$work/with space/$name"
    mkdir -p "$folder"
    cp "$example"/*.prg "$example"/*.pou "$example"/*.pdb "$folder/"
    output=$("$cli" build "$folder/$name.prg"); code=$?
    [ $code -eq 0 ] && [ -s "$folder/$name.hex" ] && grep -q -- "--File was compiled succesfully!   $folder/$name.c" <<<"$output"
    check "build $name" $?
    cmp -s "$folder/$name.c" "$example/$name.c"
    check "$name.c is the golden text" $?
done

broken="$work/broken"
mkdir -p "$broken"
cp "$examples/tank/"*.prg "$examples/tank/"*.pou "$examples/tank/"*.pdb "$broken/"
sed -i "s/object TANK_bNOT1: TbNOT/object TANK_bNOT1: TbNOT\r\n    DControlID = 'TNoSuchRoutine'/" "$broken/TANK.pou"
output=$("$cli" build "$broken/tank.prg"); code=$?
[ $code -ne 0 ] && [ ! -e "$broken/tank.hex" ] && [ "$(tail -n 1 <<<"$output")" == "ERROR: IHX and HEX file not create." ] && grep -q "tank.c:[0-9]*: error" <<<"$output"
check "a compile error shows the messages" $?

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
