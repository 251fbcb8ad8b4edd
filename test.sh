#!/usr/bin/env bash
# Installs what is missing, builds TAVU and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j 2
(cd build && ctest --output-on-failure -j 2)

# The collection book's tests once more under AddressSanitizer and UBSan.
cmake -S . -B build-asan -DTAVU_BOOK_ONLY=ON -DTAVU_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan -j 2
(cd build-asan && ctest --output-on-failure -j 2)
