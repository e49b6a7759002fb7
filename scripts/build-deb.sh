#!/usr/bin/env bash
# Builds the Debian package from build/ and tries it. Run by hand.
#   scripts/build-deb.sh               build/veskaroo_<version>_<arch>.deb, then
#                                      unpacks it into a temporary root and starts
#                                      the program from there
#   scripts/build-deb.sh --chroot DIR  also installs it with apt into a clean
#                                      Debian 12 root at DIR (made with
#                                      debootstrap when missing; needs root and
#                                      Debian's package mirror) and starts the
#                                      program there from its menu entry's Exec line
# Both starts run in a private network namespace, on the virtual camera, on
# an Xvfb display of their own, and leave a screenshot next to the package.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
entry=usr/share/applications/org.veskaroo.Veskaroo.desktop

chroot_dir=
if [[ "${1:-}" == --chroot ]]; then
    chroot_dir=$(realpath -m "${2:?--chroot needs a folder}")
fi

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target veskaroo -j2
rm -f build/veskaroo_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/veskaroo_*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends
dpkg-deb --contents "$deb" | awk '{print $6}'

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    if [[ -n "$chroot_dir" ]]; then
        for m in tmp/.X11-unix dev/pts dev proc; do
            mountpoint -q "$chroot_dir/$m" && umount "$chroot_dir/$m" || true
        done
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# An X display of our own for the starts below.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 2

# Waits for the program's first camera picture; prints the log lines of the
# files it found and of the camera, takes a screenshot.
# $1: the data folder, $2: the screenshot.
check_log() {
    local log
    for _ in $(seq 60); do
        log=$(cat "$1"/veskaroo/other/log_*.txt 2>/dev/null || true)
        grep -q "first camera picture shown" <<<"$log" && break
        sleep 1
    done
    sleep 1
    DISPLAY=$display import -window root "$2" 2>/dev/null || true
    grep -E "language id:|program files:|camera error code:" <<<"$log" | sed 's/    File:.*//'
    grep -q "program files: installed.* found: true" <<<"$log" && grep -q "camera error code: 0" <<<"$log"
}

echo "== unpacked into a temporary root"
dpkg -x "$deb" "$scratch/root"
mkdir -p "$scratch/home"
exec_line=$(sed -n 's/^Exec=//p' "$scratch/root/$entry")
HOME=$scratch/home XDG_DATA_HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home DISPLAY=$display \
    unshare -rn "$scratch/root/usr/bin/$exec_line" --virtual-camera --no-discovery >/dev/null 2>&1 &
pid=$!
check_log "$scratch/home" "$root/build/deb-unpacked.png" && status=ok || status=FAILED
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "unpacked: $status"
[[ $status == ok ]] || exit 1

[[ -z "$chroot_dir" ]] && exit 0

echo "== installed with apt into a clean Debian 12 root at $chroot_dir"
if [[ ! -x "$chroot_dir/usr/bin/apt-get" ]]; then
    debootstrap --variant=minbase bookworm "$chroot_dir" http://deb.debian.org/debian >/dev/null
fi
mount -t proc proc "$chroot_dir/proc"
mount --bind /dev "$chroot_dir/dev"
mount --bind /dev/pts "$chroot_dir/dev/pts"
mkdir -p "$chroot_dir/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$chroot_dir/tmp/.X11-unix"
cp "$deb" "$chroot_dir/tmp/"
chroot "$chroot_dir" sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$(basename "$deb")" >/dev/null
# The menu entry's Exec line, run as the desktop would: by name, from PATH.
exec_line=$(sed -n 's/^Exec=//p' "$chroot_dir/$entry")
rm -rf "$chroot_dir/tmp/home" && mkdir -p "$chroot_dir/tmp/home"
chroot "$chroot_dir" env -i PATH=/usr/bin:/bin HOME=/tmp/home XDG_DATA_HOME=/tmp/home DISPLAY="$display" \
    unshare -n sh -c "exec $exec_line --virtual-camera --no-discovery" >/dev/null 2>&1 &
pid=$!
check_log "$chroot_dir/tmp/home" "$root/build/deb-chroot.png" && status=ok || status=FAILED
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "chroot: $status"
[[ $status == ok ]]
