#!/usr/bin/env bash
# Installs what is needed, builds, and starts the Tomelodex window on a copy
# of the sample library (build/sample/Sample.mdb, with its covers beside it),
# so the library the build makes stays untouched.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
bin="$here/build/bin"
sample_dir="$here/build/sample"
sample="$sample_dir/Sample.mdb"
mkdir -p "$sample_dir"
if [ ! -f "$sample" ]; then
  cp "$bin/Sample.mdb" "$sample"
  rm -rf "$sample_dir/sample_images"
  [ -d "$bin/sample_images" ] && cp -r "$bin/sample_images" "$sample_dir/"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Run it in a desktop session, or try: xvfb-run bash scripts/run.sh" >&2
  exit 1
fi
# The browser engine refuses to start as root with its sandbox on (a set-up
# run as root, or a container): without a user to drop to, it goes without.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$bin/tomelodex" "$sample" "$@"
