#!/usr/bin/env bash
# Compares the resampler's speed with Pillow, libvips and ImageMagick on this machine in one run
# and prints a markdown table. Needs python3-pil, libvips-tools, gir1.2-vips-8.0 and imagemagick.
# Usage: bench/resampler/compare.sh [build directory] [--rounds N]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build"
if [[ $# -gt 0 && $1 != --* ]]; then
    build="$1"
    shift
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target resampler_bench -j2 >/dev/null
exec /usr/bin/python3 "$root/bench/resampler/compare.py" "$build/bench/resampler/resampler_bench" "$@"
