#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it. Without a display it
# starts the program on a virtual X display, saves a screenshot of the window,
# prints the screenshot's path and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build --target quorvel -j"$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/quorvel
fi

screenshot="${QUORVEL_SCREENSHOT:-$PWD/build/quorvel-window.png}"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot.sh build/app/quorvel "$screenshot"
echo "No display found: the window was drawn on a virtual display. Screenshot: $screenshot"
