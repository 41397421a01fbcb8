#!/usr/bin/env bash
# Installs what is missing, builds Morvi and runs the whole test suite.
# "scripts/test.sh sanitize" does the same in a separate address and
# undefined-behaviour sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = sanitize ]; then
  dir=build-sanitize options=(-DCMAKE_BUILD_TYPE=Debug -DMORVI_SANITIZE=ON)
fi
[ "${CI:-}" = true ] && options+=(-DMORVI_WERROR=ON)
cmake -S . -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
