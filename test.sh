#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test.
#   ./test.sh                      normal build in build/
#   VESKAROO_SANITIZE=1 ./test.sh  AddressSanitizer + UBSan build in build-asan/
#   ./test.sh -R settings          extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=Release)
if [[ "${VESKAROO_SANITIZE:-0}" == 1 ]]; then
    build=build-asan
    flags=(-DCMAKE_BUILD_TYPE=Debug -DVESKAROO_SANITIZE=ON)
fi

cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
# Tests that need a real X server get one of their own.
cd "$build"
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j2 "$@"
