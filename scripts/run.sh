#!/usr/bin/env bash
# The main job: installs what is missing, builds everything and runs the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
./build/bin/vexaplc-cli address I0.0 QW20 MD5 '$FF' TRUE 1.5
