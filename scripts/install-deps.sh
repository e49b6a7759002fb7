#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: the package lists are touched only when something is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build ccache g++ pkg-config
    # Qt 5
    qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
    libqt5svg5-dev qtmultimedia5-dev libqt5multimedia5-plugins
    # pictures, capture and device hot-plug
    libopencv-dev libudev-dev
    # the Wi-Fi camera's live picture (RTSP, H.264)
    libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
    # the screen recorder: X11 and PulseAudio capture, H.264 and AAC; sound
    # sample conversion for the recorder
    libavdevice-dev libswresample-dev
    # TIFF pictures in the list, import and export
    qt5-image-formats-plugins
    # the virtual camera's page font; a font for the Chinese, Japanese and
    # Korean interface texts where the desktop brings none
    fonts-dejavu-core fonts-wqy-microhei
    # OCR engine, loaded at run time (its header only at build time), with
    # the English and Chinese (Simplified, Traditional) language packs
    libtesseract5 libtesseract-dev tesseract-ocr-eng tesseract-ocr-chi-sim tesseract-ocr-chi-tra
    # OCR output: Word documents (zip) and spreadsheets (.xlsx)
    libzip-dev libxlsxwriter-dev
    # tests: an X server for the tests that need one; benchmarks
    xvfb xauth xdotool libbenchmark-dev
    # tests: the emulated USB camera encodes its MJPG frames
    libjpeg-dev
    # tests: reading back exported PDF files
    poppler-utils
    # tests: a private sound server whose sound the screen recorder records
    pulseaudio
    # tests: the Wi-Fi camera simulator (RTSP server, H.264) in a private
    # network namespace; benchmarks: the FFmpeg command-line reference
    libgstrtspserver-1.0-dev libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
    iproute2 util-linux ffmpeg
    # benchmarks: the reference for PDF export; the tesseract command line
    # as the reference for text recognition
    img2pdf tesseract-ocr
    # the installed program: checking its menu entry and AppStream metadata;
    # the Debian package (dpkg-shlibdeps finds its dependencies) and a clean
    # Debian root to try it in (scripts/build-deb.sh)
    desktop-file-utils appstream dpkg-dev debootstrap
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
