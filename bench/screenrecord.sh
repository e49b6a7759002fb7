#!/usr/bin/env bash
# CPU of our screen recorder against the ffmpeg command line with the same
# settings (x11grab, libx264 veryfast/zerolatency/crf 25, yuv420p, AAC of
# silence), recording a 1920x1080 zone at 20 fps of content that changes
# every frame, one after the other on the same Xvfb display; and the frames
# ours lost (expected against found in the file). Needs a build with tests
# (the recorder and the screen painter).
#   bench/screenrecord.sh [seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
fps=20

if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
recorder=build/bin/ScreenRecord/ScreenRecord
painter=build/tests-bin/screenpainter
out=$(mktemp -d)
trap 'kill "${painter_pid:-}" 2>/dev/null || true; rm -rf "$out"' EXIT

"$painter" 0 0 1920 1080 >/dev/null 2>&1 &
painter_pid=$!
sleep 1

# CPU seconds (user+sys) of a finished child, from GNU time's output file.
cpu_of() { awk '{print $1 + $2}' "$1"; }

# Ours, driven by a loopback control server that stops it after $seconds.
run_ours() {
    python3 - "$recorder" "$out/ours.mp4" "$seconds" "$fps" "$out/ours.time" <<'PY'
import os, socket, subprocess, sys, time
recorder, path, seconds, fps, timefile = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4], sys.argv[5]
def pack(p):
    n = str(len(p) + 7).encode()
    return b"TSMT" + n + b"\0" * (4 - len(n)) + p + b"END"
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
env = dict(os.environ, VESKAROO_RECORDER_PORT=str(server.getsockname()[1]),
           PULSE_SERVER="unix:/nonexistent/veskaroo-bench")
child = subprocess.Popen(["/usr/bin/time", "-f", "%U %S", "-o", timefile,
                          recorder, path, "0", "0", "1920", "1080", "1", fps], env=env)
conn, _ = server.accept()
conn.settimeout(30)
received = b""
while b"2END" not in received:
    received += conn.recv(4096)
time.sleep(seconds)
conn.sendall(pack(b"1"))
while b"1;" not in received:
    received += conn.recv(4096)
sys.exit(child.wait(timeout=30))
PY
}

run_ffmpeg() {
    /usr/bin/time -f "%U %S" -o "$out/ffmpeg.time" \
        ffmpeg -hide_banner -loglevel error -nostdin -y \
        -f x11grab -framerate "$fps" -video_size 1920x1080 -draw_mouse 1 -i "$DISPLAY" \
        -f lavfi -i anullsrc=r=48000:cl=stereo \
        -c:v libx264 -preset veryfast -tune zerolatency -crf 25 -g $((5 * fps)) -pix_fmt yuv420p \
        -c:a aac -b:a 128k -t "$seconds" "$out/ffmpeg.mp4"
}

run_ours 2>"$out/ours.log"
run_ffmpeg

frames() { ffprobe -v error -select_streams v -count_packets -show_entries stream=nb_read_packets -of csv=p=0 "$1"; }
duration() { ffprobe -v error -show_entries format=duration -of csv=p=0 "$1"; }
ours=$(cpu_of "$out/ours.time")
theirs=$(cpu_of "$out/ffmpeg.time")
found=$(frames "$out/ours.mp4")
# Frame periods from the first to the last video frame of ours.
expected=$(ffprobe -v error -select_streams v -show_entries packet=pts_time -of csv=p=0 "$out/ours.mp4" |
    sort -n | awk -v f=$fps 'NR == 1 {first = $1} {last = $1} END {printf "%d", (last - first) * f + 1.5}')
echo "recording ${seconds} s of 1920x1080 at ${fps} fps"
echo "ours:   ${ours} s CPU, $(frames "$out/ours.mp4") frames in $(duration "$out/ours.mp4") s"
echo "ffmpeg: ${theirs} s CPU, $(frames "$out/ffmpeg.mp4") frames in $(duration "$out/ffmpeg.mp4") s"
awk -v a="$ours" -v b="$theirs" 'BEGIN {printf "ratio ours/ffmpeg: %.2f\n", a / b}'
echo "ours, frames lost: $((expected - found)) of $expected expected; its log: $(grep 'frames written' "$out/ours.log" | sed 's/^ScreenRecord: //')"
