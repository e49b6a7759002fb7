#!/usr/bin/env bash
# Starts the Wi-Fi camera simulator and the program against it, both inside a
# private network namespace: the camera's access-point address 192.168.43.1
# lives on that namespace's loopback device, so nothing reaches a real
# network. Needs a build with tests (./test.sh or ./run.sh builds one).
# Extra arguments go to the simulator (e.g. --loss 5, --size 1280x720,
# --transport udp; --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/private-network.sh
enter_private_network "$0" "$@"
build/tests-bin/wificamerasim "$@" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true' EXIT
sleep 1
build/bin/veskaroo
