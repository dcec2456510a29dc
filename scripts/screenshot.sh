#!/usr/bin/env bash
# Remakes docs/screenshot.png: starts the real program on a copy of the sample
# library with fresh settings (so it shows the first-start look) on a virtual
# X screen, and grabs its window.
#   bash scripts/screenshot.sh [OUTPUT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$here/docs/screenshot.png}")
width=1280
height=800

if [ -z "${TOMELODEX_SCREENSHOT_INNER:-}" ]; then
    bash "$here/scripts/build.sh"
    export TOMELODEX_SCREENSHOT_INNER=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 ${width}x${height}x24" \
        bash "$0" "$output"
fi

bin="$here/build/bin"
work=$(mktemp -d)
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/library" "$work/config"
cp "$bin/Sample.mdb" "$work/library/"
cp -r "$bin/sample_images" "$work/library/"
export XDG_CONFIG_HOME="$work/config"
# Qt WebEngine refuses to start its sandbox as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

"$bin/tomelodex" "$work/library/Sample.mdb" >"$work/log" 2>&1 &
app_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --class tomelodex | head -n 1) || {
    echo "The window did not appear; the program said:" >&2
    cat "$work/log" >&2
    exit 1
}
# There is no window manager: place the window over the whole screen.
xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$height"
sleep 2
# The tree has the focus at start: Tab goes on to the book list, and Right
# then Left select its first book, so the page below shows that book.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --delay 200 Tab Right Left
sleep 4 # thumbnails and the page finish drawing

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "Wrote $output"
