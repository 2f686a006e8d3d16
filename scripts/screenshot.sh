#!/usr/bin/env bash
# screenshot.sh PROGRAM OUTPUT.png: runs PROGRAM on the current X display, saves a
# picture of its window once drawn, then closes it with its "Schließen" button.
set -euo pipefail
program=$1
output=$2

"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n 1)
sleep 1
import -window "$window" "$output"
# Button3 ("Schließen") lies at (224, 192), 89 x 25, in the client area.
xdotool mousemove --window "$window" 268 204 click 1
wait "$pid"
