#!/usr/bin/env python3
"""Writes the shutter sound res/root/root/photoSound.wav: a short two-part
mechanical click (curtain opening, then closing), synthesised from noise
bursts and a damped tone. Run it again after changing the recipe."""
import math
import random
import struct
import wave
from pathlib import Path

RATE = 44100


def click(at, length, pitch, level, samples, rng):
    start = int(at * RATE)
    for i in range(int(length * RATE)):
        t = i / RATE
        envelope = math.exp(-t * 90.0)
        noise = rng.uniform(-1.0, 1.0) * math.exp(-t * 220.0)
        body = math.sin(2 * math.pi * pitch * t) * envelope
        if start + i < len(samples):
            samples[start + i] += level * (0.6 * noise + 0.4 * body)


def main():
    rng = random.Random(7)  # the same file every time
    samples = [0.0] * int(0.22 * RATE)
    click(0.000, 0.06, 2300.0, 0.9, samples, rng)
    click(0.085, 0.09, 1500.0, 0.75, samples, rng)
    peak = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(32000 * s / peak)) for s in samples)
    target = Path(__file__).resolve().parent.parent / "res/root/root/photoSound.wav"
    with wave.open(str(target), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
