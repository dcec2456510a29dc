#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup-deps.sh"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$here" -B "$here/build" -G Ninja -DTOMELODEX_WERROR="$werror" >/dev/null
cmake --build "$here/build" -j "$(nproc)"
