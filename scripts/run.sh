#!/usr/bin/env bash
# Installs what is missing, builds Morvi and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target morvi
exec build/src/gui/morvi "$@"
