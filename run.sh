#!/usr/bin/env bash
# Installs what is missing, builds TAVU and starts it. The data file lives in
# the working folder: workdir/ of the checkout, or the folder given.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"

./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target tavu

folder="${1:-$here/workdir}"
mkdir -p "$folder"
cd "$folder"
exec "$here/build/tavu"
