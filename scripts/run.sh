#!/usr/bin/env bash
# Installs, builds and starts Tomelodex on the sample library. Until the main
# window lands this runs the command-line tool on the sample library.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
bin="$here/build/bin"
sample="$here/build/sample/Sample.mdb"
mkdir -p "$(dirname "$sample")"
[ -f "$sample" ] || cp "$bin/Sample.mdb" "$sample"
"$bin/tomelodex-cli" --help
echo
echo "Sample library: $sample"
"$bin/tomelodex-cli" sql "$sample" "SELECT * FROM book"
