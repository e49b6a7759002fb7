#!/usr/bin/env bash
# Installs what the program needs, builds it in Release and starts it.
# Extra arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
# The virtual document camera, and no network discovery: runs on any machine.
exec build/bin/veskaroo --virtual-camera --no-discovery "$@"
