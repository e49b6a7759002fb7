#!/usr/bin/env bash
# Start to first camera picture, with network discovery on against off, in
# one run (alternating, so both see the same machine): the program on the
# virtual camera under Xvfb, in a private network namespace where an ONVIF
# responder answers the discovery. Needs a build with tests.
#   bench/startup.sh [runs of each, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}

source scripts/lib/private-network.sh
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
enter_private_network "$0" "$@"

build/tests-bin/onvifresponder --device "host=127.0.0.5,name=Doc Cam" >/dev/null &
responder=$!
trap 'kill "$responder" 2>/dev/null || true' EXIT
sleep 0.5

# Milliseconds from starting the program to its "first camera picture shown".
start_once() {
    local data
    data=$(mktemp -d)
    local begin end
    begin=$(date +%s%N)
    XDG_DATA_HOME=$data build/bin/veskaroo --virtual-camera "$@" >/dev/null 2>&1 &
    local program=$!
    until grep -qs "first camera picture shown" "$data"/veskaroo/other/log_*.txt; do
        sleep 0.002
        if ! kill -0 "$program" 2>/dev/null; then
            echo "the program ended before it showed a picture" >&2
            exit 1
        fi
    done
    end=$(date +%s%N)
    kill "$program"
    wait "$program" 2>/dev/null || true
    rm -rf "$data"
    echo $(((end - begin) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

on=() off=()
for ((i = 0; i < runs; i++)); do
    on+=("$(start_once)")
    off+=("$(start_once --no-discovery)")
done
on_median=$(printf '%s\n' "${on[@]}" | median)
off_median=$(printf '%s\n' "${off[@]}" | median)
echo "discovery on:  ${on[*]} ms; median $on_median ms"
echo "discovery off: ${off[*]} ms; median $off_median ms"
awk -v a="$on_median" -v b="$off_median" 'BEGIN {printf "ratio on/off: %.2f\n", a / b}'
