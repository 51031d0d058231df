#!/usr/bin/env bash
# The main job: installs what is missing, builds everything and runs the traffic light example
# headless, printing its lamps every 2.5 s of simulated time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
./build/bin/vexaplc-cli check examples/traffic_light/traffic_light.prg
./build/bin/vexaplc-cli simulate examples/traffic_light/traffic_light.prg \
    --ms 20000 --set Enable=1 --watch Red --watch Yellow --watch Green --sample 2500
