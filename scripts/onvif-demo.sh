#!/usr/bin/env bash
# Network cameras found by discovery: two simulated cameras answer ONVIF
# probes in a private network namespace, one streaming (127.0.0.5) and one
# that takes stills only (127.0.0.6); the program starts on the virtual USB
# camera and lists both after it in the title bar's camera list. Nothing
# reaches a real network. Needs a build with tests. Extra arguments go to
# the program.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/private-network.sh
enter_private_network "$0" "$@"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
build/tests-bin/wificamerasim --address 127.0.0.5 >/dev/null &
pids+=($!)
build/tests-bin/wificamerasim --address 127.0.0.6 --control-only --still-size 1280x960 >/dev/null &
pids+=($!)
build/tests-bin/onvifresponder --device "host=127.0.0.5,name=Doc Cam" \
    --device "host=127.0.0.6,name=Stills Cam" >/dev/null &
pids+=($!)
sleep 1
build/bin/veskaroo --virtual-camera "$@"
