#!/usr/bin/env python3
"""Makes the program's stadium sounds: short 16-bit mono WAV files synthesised
from sine waves and seeded noise, so the same files come out on every run.

Usage: tools/sounds/make_sounds.py [output folder]   (default: resources/sounds)

Every sound is normalised to a modest peak (-12 dBFS; the cue for goals on
other grounds -18 dBFS), as loud as a desktop's own notification sounds at
most, and fades in and out so it never clicks.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
rng = random.Random(1913)


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def envelope(samples, attack, release):
    n = len(samples)
    a, r = max(1, int(RATE * attack)), max(1, int(RATE * release))
    for i in range(n):
        gain = min(1.0, i / a, (n - 1 - i) / r)
        samples[i] *= max(0.0, gain)
    return samples


def whistle(seconds, pitch=2900.0):
    """A referee's pea whistle: a high tone warbled quickly by the pea, a
    breath of noise, and a little of its octave."""
    out, phase = [], 0.0
    rattle = 34.0 + rng.uniform(-2, 2)
    for i in range(int(RATE * seconds)):
        t = i / RATE
        f = pitch * (1.0 + 0.035 * math.sin(2 * math.pi * rattle * t))
        phase += 2 * math.pi * f / RATE
        breath = rng.uniform(-1, 1) * 0.08
        out.append(math.sin(phase) + 0.18 * math.sin(2 * phase) + breath)
    return envelope(out, 0.015, 0.06)


def lowpassed(samples, cutoff):
    k = 1 - math.exp(-2 * math.pi * cutoff / RATE)
    y, out = 0.0, []
    for x in samples:
        y += k * (x - y)
        out.append(y)
    return out


def crowd(seconds, cutoff, swell, fade):
    """Many voices at once: noise, low-passed to the band of voices, with a
    slow random surge."""
    n = int(RATE * seconds)
    noise = lowpassed(lowpassed([rng.uniform(-1, 1) for _ in range(n)], cutoff), cutoff * 1.5)
    surge = lowpassed([rng.uniform(0.6, 1.4) for _ in range(n)], 3.0)
    return envelope([noise[i] * surge[i] for i in range(n)], swell, fade)


def roar():
    """The crowd at a goal: a rising roar of voices and a few shouted vowels."""
    seconds = 1.8
    base = crowd(seconds, 1400.0, 0.25, 0.9)
    voices = [0.0] * len(base)
    for _ in range(14):
        f0 = rng.uniform(220.0, 480.0)
        vibrato = rng.uniform(4.0, 6.0)
        start = rng.uniform(0.0, 0.3)
        phase = 0.0
        for i in range(int(RATE * start), len(base)):
            t = i / RATE - start
            f = f0 * (1 + 0.03 * math.sin(2 * math.pi * vibrato * t))
            phase += 2 * math.pi * f / RATE
            voices[i] += 0.06 * (math.sin(phase) + 0.5 * math.sin(3 * phase))
    voices = envelope(lowpassed(voices, 1800.0), 0.3, 0.9)
    return [b * 6.0 + v for b, v in zip(base, voices)]


def groan():
    """The crowd's groan at a goal against: voices falling from an "oh" to a
    low murmur."""
    seconds = 1.4
    n = int(RATE * seconds)
    out = crowd(seconds, 700.0, 0.1, 0.8)
    out = [x * 4.0 for x in out]
    for _ in range(12):
        f0 = rng.uniform(170.0, 300.0)
        phase = 0.0
        for i in range(n):
            t = i / RATE
            f = f0 * (1.0 - 0.35 * min(1.0, t / seconds))
            phase += 2 * math.pi * f / RATE
            out[i] += 0.07 * (math.sin(phase) + 0.4 * math.sin(2 * phase) + 0.2 * math.sin(3 * phase))
    return envelope(lowpassed(out, 1200.0), 0.12, 0.7)


def chime():
    """A goal on another ground: the radio's soft two-note bell."""
    out = []
    for note, start in ((880.0, 0.0), (1318.5, 0.18)):
        part = silence(start)
        for i in range(int(RATE * 0.6)):
            t = i / RATE
            part.append(math.exp(-t * 6.0) * (math.sin(2 * math.pi * note * t) + 0.2 * math.sin(4 * math.pi * note * t)))
        out = [a + b for a, b in zip_longest(out, part)]
    return envelope(out, 0.005, 0.05)


def zip_longest(a, b):
    n = max(len(a), len(b))
    return zip(a + [0.0] * (n - len(a)), b + [0.0] * (n - len(b)))


def joined(*parts):
    out = []
    for p in parts:
        out += p
    return out


def write(folder, name, samples, peak_db):
    peak = max(abs(s) for s in samples) or 1.0
    gain = 10 ** (peak_db / 20) / peak
    frames = b"".join(struct.pack("<h", int(round(s * gain * 32767))) for s in samples)
    with wave.open(os.path.join(folder, name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    sounds = {
        "silbato": whistle(0.8),
        "descanso": joined(whistle(0.35), silence(0.15), whistle(0.45)),
        "final": joined(whistle(0.3), silence(0.12), whistle(0.3), silence(0.12), whistle(0.9)),
        "gol": roar(),
        "gol_contra": groan(),
        "roja": whistle(0.22, 3200.0),
        "gol_otro_campo": chime(),
    }
    for name, samples in sounds.items():
        write(folder, name, samples, -18.0 if name == "gol_otro_campo" else -12.0)


if __name__ == "__main__":
    main()
