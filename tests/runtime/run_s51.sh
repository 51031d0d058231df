#!/usr/bin/env bash
# Builds the generated-style sample with SDCC against runtime/, runs it in s51 until the 168th
# call of IO_Write (the 168th free cycle has just ended) and compares the process image with
# the same expected areas as the host run. Bytes that depend on controller time (the 100 ms and
# 1 s event counters, the timer) are checked against the millisecond clock instead.
set -euo pipefail
runtime=$1
sample=$2
expected=$3
work=$4
cycles=168

rm -rf "$work"
mkdir -p "$work"
name=$(basename "$sample" .c)
SDCC_INCLUDE="$runtime" sdcc --model-large --xram-size 2000 --code-size 32000 --use-stdout \
    -o "$work/" "$sample" >"$work/sdcc.txt" || { cat "$work/sdcc.txt"; exit 1; }
packihx "$work/$name.ihx" >"$work/$name.hex" 2>"$work/packihx.txt"
grep -q "OK" "$work/packihx.txt" || { cat "$work/packihx.txt"; exit 1; }

address() {
    local found
    found=$(awk -v s="$1" '$3 == s { print $2 }' "$work/$name.map")
    [ -n "$found" ] || { echo "no $1 in $name.map" >&2; exit 1; }
    echo $((16#$found))
}
main=$(address _main)
io_write=$(address _IO_Write)
pi_i=$(address _PI_I)
pi_q=$(address _PI_Q)
pi_m=$(address _PI_M)
bus_in=$(address _IO_BUS_IN)
bus_out=$(address _IO_BUS_OUT)
shown=$(address _DPL_SHOW)
clock=$(address _vx_ms)

# The start-up code clears xdata before main: feed input module row 2 (IB0 = 05) after it.
{
    echo "set option label_width 0"
    printf 'break 0x%X\n' "$main"
    echo "run"
    printf 'set memory xram 0x%X 0x05\n' $((bus_in + 2 * 8))
    printf 'break 0x%X %d\n' "$io_write" "$cycles"
    echo "run"
    printf 'dump xram 0x%X 0x%X 1\n' "$pi_i" $((pi_i + 49))
    printf 'dump xram 0x%X 0x%X 1\n' "$pi_q" $((pi_q + 49))
    printf 'dump xram 0x%X 0x%X 1\n' "$pi_m" $((pi_m + 99))
    printf 'dump xram 0x%X 0x%X 1\n' "$shown" $((shown + 63))
    printf 'dump xram 0x%X 0x%X 1\n' $((bus_out + 3 * 8)) $((bus_out + 3 * 8))
    printf 'dump xram 0x%X 0x%X 1\n' "$clock" $((clock + 3))
    echo "state"
    echo "quit"
} >"$work/commands.txt"
s51 -t 8052 -X 12M -b "$work/$name.ihx" <"$work/commands.txt" >"$work/s51.txt" 2>&1

# One byte per dump line: "0xADDR XX c".
declare -A xram
while read -r at value _; do
    xram[$((at))]=$((16#$value))
done < <(grep -E '^0x[0-9a-fA-F]+ +[0-9a-fA-F]{2}( |$)' "$work/s51.txt")
byte() {
    [ -n "${xram[$1]+set}" ] || { echo "address $1 not dumped; s51 said:" >&2; tail -n 20 "$work/s51.txt" >&2; exit 1; }
    echo "${xram[$1]}"
}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

declare -A skip=([Q1]=1 [M48]=1 [M49]=1 [M52]=1 [M53]=1 [M54]=1 [M55]=1)
while read -r line; do
    letter=${line%%:*}
    read -r -a values <<<"${line#*:}"
    case $letter in
    I) base=$pi_i ;;
    Q) base=$pi_q ;;
    M) base=$pi_m ;;
    esac
    for k in "${!values[@]}"; do
        [ -z "${skip[$letter$k]+set}" ] || continue
        actual=$(byte $((base + k)))
        [ "$actual" -eq $((16#${values[$k]})) ] ||
            fail "$letter byte $k is $(printf %02X "$actual"), expected ${values[$k]}"
    done
done <"$expected"

word() { echo $(($(byte "$1") + 256 * $(byte $(($1 + 1))))); }
ms=$(($(word "$clock") + 65536 * $(word $((clock + 2)))))
# The clock starts after the start-up code has cleared xdata: a few ms behind s51's time.
clks=$(sed -n 's/^Total time since last reset=.*(\([0-9]*\) clks).*/\1/p' "$work/s51.txt")
elapsed=$((clks / 12000))
[ "$ms" -le "$elapsed" ] && [ "$ms" -ge $((elapsed - 50)) ] ||
    fail "the clock reads $ms ms after $elapsed ms"
# An event runs at the first cycle end at or after its due time.
t100=$(word $((pi_m + 52)))
t1s=$(word $((pi_m + 54)))
[ "$t100" -le $((ms / 100)) ] && [ "$t100" -ge $((ms / 100 - 1)) ] ||
    fail "$t100 events of 100 ms after $ms ms"
[ "$t1s" -le $((ms / 1000)) ] && [ "$t1s" -ge $((ms / 1000 - 1)) ] ||
    fail "$t1s events of 1 s after $ms ms"
# The on-delay timer started in the first cycle with PT 3 (300 ms).
if [ "$ms" -gt 400 ]; then
    [ "$(byte $((pi_q + 1)))" -eq 1 ] && [ "$(word $((pi_m + 48)))" -eq 0 ] ||
        fail "timer not elapsed after $ms ms"
else
    fail "only $ms ms in $cycles cycles: the timer cannot be checked"
fi

text=""
for ((k = 0; k < 64; ++k)); do
    text+=$(printf "\\$(printf %03o "$(byte $((shown + k)))")")
done
expected_text=$(printf '%-16s%-16s%-16s%-16s' "168" "        3.14" "" "")
[ "$text" == "$expected_text" ] || fail "display shows '$text'"

[ "$(byte $((bus_out + 3 * 8)))" -eq 1 ] || fail "output module row 3 got $(byte $((bus_out + 3 * 8)))"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "s51: $cycles cycles in $ms ms of controller time, process image as expected"
