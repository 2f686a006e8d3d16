#!/usr/bin/env bash
# Redraws the pictures in docs/: the window on white and on pink, and the three
# sizes of the copy. Needs a built tree (build/) and xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TEMP=$work

for background in white pink; do
    config=$work/$background
    mkdir -p "$config/Quorvel"
    lime=0; white=1
    [ "$background" = pink ] && { lime=1; white=0; }
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n"WhiteBG"=dword:%08x\n"LimeBG"=dword:%08x\n' \
        "$white" "$lime" >"$config/Quorvel/settings.reg"
    XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1024x768x24" \
        scripts/screenshot.sh build/app/quorvel "docs/window-$background.png"
done

for size in 100 75 50; do
    build/app/quorvel-render --reading 12.34 --range Volt --size "$size" --output "docs/copy-$size.png"
done
