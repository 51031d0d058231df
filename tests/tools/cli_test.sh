#!/usr/bin/env bash
# The command-line tool's contract: outputs and exit codes of check and simulate.
set -uo pipefail
cli=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # name, expected exit code, expected output, actual exit code, actual output
    if [ "$4" != "$2" ] || [ "$5" != "$3" ]; then
        echo "FAIL $1: exit $4 (want $2)"
        diff <(echo "$3") <(echo "$5")
        failures=$((failures + 1))
    fi
}

# An invalid address refuses with the block's message, function and name.
cp -r "$examples/traffic_light" "$work/bad"
sed -i "s/StrAddress = 'Q0.0'/StrAddress = 'Q50.0'/" "$work/bad/MAIN.pou"
out=$("$cli" check "$work/bad/traffic_light.prg"); code=$?
expect "check refuses" 1 \
    "Discrete variable has an invalid interface. Example: I0.0 or Q3.5 or M20.7 etc. (function MAIN, block MAIN_bOUT2)" \
    $code "$out"
out=$("$cli" simulate "$work/bad/traffic_light.prg"); code=$?
expect "simulate refuses" 1 \
    "Discrete variable has an invalid interface. Example: I0.0 or Q3.5 or M20.7 etc." $code "$out"

# A fault during a scan stops the run with both messages.
mkdir "$work/fault"
printf '[MAIN]\r\nFC_Count=1\r\n[FUNCTION]\r\nFC0=MAIN.pou\r\n' > "$work/fault/fault.prg"
cat > "$work/fault/MAIN.pou" <<'POU'
object TatDiagram
  FCName = 'MAIN'
  FCTypes = 0
  object MAIN_rIN1: TrIN
    Left = 0
    StrAddress = '3e9'
  end
  object MAIN_FLT_TO_INT1: TFLT_TO_INT
    Left = 100
  end
  object MAIN_iOUT1: TiOUT
    Left = 200
    StrAddress = 'MD0'
  end
  object MAIN_DiagramSideLine1: TDiagramSideLine
    LinkPoints = <
      item
        Anchor = MAIN_rIN1
        AnchorIndex = 0
      end
      item
        Anchor = MAIN_FLT_TO_INT1
        AnchorIndex = 0
      end>
  end
  object MAIN_DiagramSideLine2: TDiagramSideLine
    LinkPoints = <
      item
        Anchor = MAIN_FLT_TO_INT1
        AnchorIndex = 1
      end
      item
        Anchor = MAIN_iOUT1
        AnchorIndex = 0
      end>
  end
end
POU
out=$("$cli" simulate "$work/fault/fault.prg" --ms 100); code=$?
expect "fault" 2 $'Simulation error and will be stop!\nInteger overflow' $code "$out"
out=$("$cli" check "$work/fault/fault.prg"); code=$?
expect "check of the fault project" 0 "OK" $code "$out"

# Unreadable input.
cp -r "$examples/tank" "$work/garbage"
printf 'object TatDiagram\r\n  object X: TNoSuchBlock\r\n' > "$work/garbage/TANK.pou"
out=$("$cli" simulate "$work/garbage/tank.prg" 2>/dev/null); code=$?
expect "damaged function file" 3 "" $code "$out"
out=$("$cli" check "$work/missing.prg" 2>/dev/null); code=$?
expect "missing project" 3 "" $code "$out"

# Types, symbols, dumps and the panel.
out=$("$cli" simulate "$examples/tank/tank.prg" --ms 0 --set MW10:WORD=-1 --set MD20:REAL=0.1 \
      --set M3.3=TRUE --watch MW10:WORD --watch MW10 --watch MD20:REAL --watch M3.3 --watch IB0:BOOL \
      --dump M); code=$?
expect "values" 0 "MW10=65535
MW10=-1
MD20=0.100000001490116
M3.3=True
IB0=ERROR
M: 00 00 00 08 00 00 00 00 00 00 FF FF 00 00 00 00 00 00 00 00 CD CC CC 3D 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00" $code "$out"
out=$("$cli" simulate "$examples/tank/tank.prg" --set MW10=abc@20 2>/dev/null); code=$?
expect "unconvertible value" 2 $'Simulation error and will be stop!\n\'ABC\' is not a valid integer value' $code "$out"
out=$("$cli" simulate "$examples/tank/tank.prg" --watch I99999999999.0:BOOL 2>/dev/null); code=$?
expect "byte number beyond 32 bits" 1 "" $code "$out"
out=$("$cli" simulate "$examples/tank/tank.prg" --ms 50 --sample 12.5 --watch Pump); code=$?
expect "fractional samples" 0 "t=12.5 Pump=True
t=25 Pump=True
t=37.5 Pump=True
t=50 Pump=True
Pump=True" $code "$out"
out=$("$cli" simulate "$examples/tank/tank.prg" --ms nan 2>/dev/null); code=$?
expect "not a number of milliseconds" 1 "" $code "$out"
out=$("$cli" simulate "$examples/tank/tank.prg" --bogus 2>/dev/null); code=$?
expect "unknown option" 1 "" $code "$out"

echo "$((13 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
