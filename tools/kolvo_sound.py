# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Kolvo's sound effects and background tune, synthesised in pure Python.

Everything is built from single-cycle wavetables, envelopes and seeded
noise.  The tune is rendered on a circular buffer: a note that rings past
the last bar wraps round to the first, so the file loops without a seam.
"""

import math
import os
import random
import subprocess
import sys
import tempfile
import wave
from array import array

SR = 44100
TABLE = 4096
MASK = TABLE - 1


# ---------------------------------------------------------------- basics

def write_wav(path, samples):
    pcm = array("h", [int(round(max(-1.0, min(1.0, v)) * 32767))
                      for v in samples])
    if sys.byteorder == "big":
        pcm.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(pcm.tobytes())


def normalise(x, peak):
    m = max(abs(v) for v in x) or 1.0
    g = peak / m
    return [v * g for v in x]


def fade(x, fade_in, fade_out):
    """Short raised-cosine ramps at both ends, so no click on start or cut."""
    n_in, n_out = int(fade_in * SR), int(fade_out * SR)
    x = list(x)
    for i in range(min(n_in, len(x))):
        x[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(x))):
        x[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return x


def midi_freq(m):
    return 440.0 * 2 ** ((m - 69) / 12.0)


NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note(name):
    """'C5' -> 72, 'F#4' -> 66, 'Bb3' -> 58."""
    n = NOTE_INDEX[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        n += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return n + 12 * (int(rest) + 1)


def wavetable(harmonics):
    tab = [0.0] * TABLE
    for k, amp in enumerate(harmonics, 1):
        if amp:
            w = 2 * math.pi * k / TABLE
            for i in range(TABLE):
                tab[i] += amp * math.sin(w * i)
    m = max(abs(v) for v in tab)
    return [v / m for v in tab]


def pulse_harmonics(duty, count):
    return [math.sin(math.pi * k * duty) / k for k in range(1, count + 1)]


# A warm, slightly hollow lead; a round triangle-like bass; a thin pulse
# for the sparkling arpeggio; a nearly pure tone for the pad and bells.
LEAD = wavetable([1, 0.42, 0.34, 0.16, 0.12, 0.06, 0.05, 0.02])
BASS = wavetable([1, 0.18, 1 / 9.0, 0.05, 1 / 25.0, 0, 1 / 49.0])
THIN = wavetable(pulse_harmonics(0.25, 14))
SOFT = wavetable([1, 0.22, 0.07, 0.03])
BRASS = wavetable([1, 0.7, 0.55, 0.4, 0.3, 0.2, 0.14, 0.1, 0.06, 0.04])


def osc(tab, freq, n, vibrato=0.0, vib_rate=5.5, vib_delay=0.15, phase=0.0):
    """n samples of a wavetable at freq; vibrato is the depth as a fraction
    of the frequency and fades in after vib_delay seconds."""
    inc = freq * TABLE / SR
    if not vibrato:
        return [tab[int(phase + i * inc) & MASK] for i in range(n)]
    beta = vibrato * freq / vib_rate * TABLE / (2 * math.pi)
    w = 2 * math.pi * vib_rate / SR
    d0, d1 = int(vib_delay * SR), int((vib_delay + 0.25) * SR)
    out = []
    for i in range(n):
        depth = 0.0 if i < d0 else (1.0 if i >= d1 else (i - d0) / (d1 - d0))
        out.append(tab[int(phase + i * inc + depth * beta * math.sin(w * i))
                       & MASK])
    return out


def adsr(n_gate, attack, decay, sustain, release, n_total=None):
    """Envelope over n_gate held samples plus the release tail."""
    a, d, r = max(1, int(attack * SR)), max(1, int(decay * SR)), int(release * SR)
    env = []
    for i in range(n_gate):
        if i < a:
            v = i / a
        else:
            # Exponential approach to the sustain level.
            v = sustain + (1 - sustain) * math.exp(-(i - a) / d)
        env.append(v)
    last = env[-1] if env else 0.0
    for i in range(r):
        env.append(last * (0.5 + 0.5 * math.cos(math.pi * (i + 1) / r)))
    return env


def mul(a, b):
    return [x * y for x, y in zip(a, b)]


def noise(n, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def lowpass(x, cutoff):
    a = 1 - math.exp(-2 * math.pi * cutoff / SR)
    out, y = [], 0.0
    for v in x:
        y += a * (v - y)
        out.append(y)
    return out


def highpass(x, cutoff):
    lp = lowpass(x, cutoff)
    return [a - b for a, b in zip(x, lp)]


# ---------------------------------------------------------------- voices

def lead_note(m, n_gate, tab=LEAD, vibrato=0.005):
    env = adsr(n_gate, 0.006, 0.12, 0.62, 0.07)
    long_note = n_gate > 0.3 * SR
    wave_ = osc(tab, midi_freq(m), len(env), vibrato if long_note else 0.0)
    return mul(wave_, env)


def bass_note(m, n_gate):
    env = adsr(n_gate, 0.004, 0.16, 0.45, 0.04)
    return mul(osc(BASS, midi_freq(m), len(env)), env)


def arp_note(m, n_gate):
    env = adsr(n_gate, 0.002, 0.06, 0.0, 0.03)
    return mul(osc(THIN, midi_freq(m), len(env)), env)


def pad_chord(notes, n_gate):
    env = adsr(n_gate, 0.25, 0.6, 0.8, 0.35)
    out = [0.0] * len(env)
    for m in notes:
        for detune in (-0.0025, 0.0025):
            w = osc(SOFT, midi_freq(m) * (1 + detune), len(env))
            out = [a + b for a, b in zip(out, w)]
    return mul(out, env)


def kick():
    n = int(0.28 * SR)
    out, ph = [], 0.0
    for i in range(n):
        t = i / SR
        f = 46 + 110 * math.exp(-t / 0.035)
        ph += 2 * math.pi * f / SR
        out.append(math.sin(ph) * math.exp(-t / 0.12))
    click = lowpass(noise(int(0.006 * SR), 11), 3000)
    for i, v in enumerate(click):
        out[i] += 0.5 * v * (1 - i / len(click))
    return fade(out, 0.001, 0.02)


def snare():
    n = int(0.2 * SR)
    nz = highpass(lowpass(noise(n, 12), 7000), 900)
    out = []
    for i in range(n):
        t = i / SR
        tone = math.sin(2 * math.pi * 185 * t) * math.exp(-t / 0.04)
        out.append(0.9 * nz[i] * math.exp(-t / 0.07) + 0.5 * tone)
    return fade(out, 0.001, 0.03)


def hat(open_=False):
    n = int((0.14 if open_ else 0.05) * SR)
    nz = highpass(noise(n, 13 if open_ else 14), 7000)
    tau = 0.05 if open_ else 0.014
    return fade([v * math.exp(-i / SR / tau) for i, v in enumerate(nz)],
                0.0005, 0.01)


# ---------------------------------------------------------------- tune

SIXTEENTH = 5250                 # 126 beats per minute, a whole sample count
BAR = 16 * SIXTEENTH

CHORDS = {
    "Am": ("A2", ["A3", "C4", "E4"], ["A5", "C6", "E6"]),
    "F": ("F2", ["A3", "C4", "F4"], ["F5", "A5", "C6"]),
    "C": ("C3", ["G3", "C4", "E4"], ["C6", "E6", "G6"]),
    "G": ("G2", ["G3", "B3", "D4"], ["G5", "B5", "D6"]),
    "E": ("E2", ["G#3", "B3", "E4"], ["E5", "G#5", "B5"]),
    "Em": ("E2", ["G3", "B3", "E4"], ["E5", "G5", "B5"]),
    "Dm": ("D3", ["A3", "D4", "F4"], ["D6", "F6", "A6"]),
}

PROGRESSION = ("Am F C G Am F G E "
               "F G Em Am Dm G C E "
               "Am F C G Am F G E").split()

# One bar per entry: note:sixteenths.  Each bar adds up to 16.
MELODY_A = [
    "E5:4 A4:2 C5:2 E5:4 D5:2 C5:2",
    "C5:4 F5:4 E5:2 D5:2 C5:4",
    "E5:6 G5:2 E5:4 D5:2 C5:2",
    "D5:8 B4:4 G4:4",
    "E5:4 A4:2 C5:2 E5:4 A5:4",
    "A5:4 G5:2 F5:2 E5:4 C5:4",
    "D5:4 B4:2 D5:2 G5:4 F5:4",
    "E5:6 B4:2 G#4:4 r:4",
]
MELODY_B = [
    "A5:6 G5:2 F5:4 C5:4",
    "B4:4 D5:4 G5:6 F5:2",
    "E5:6 D5:2 B4:4 G4:4",
    "A4:4 C5:4 E5:4 A5:4",
    "F5:6 E5:2 D5:4 A4:4",
    "B4:4 D5:2 G5:2 B5:4 A5:2 G5:2",
    "C6:6 B5:2 G5:4 E5:4",
    "B5:4 G#5:4 E5:4 D5:4",
]
MELODY_A2 = MELODY_A[:6] + [
    "D5:4 B4:2 D5:2 G5:4 F5:2 E5:2",
    "E5:6 D5:2 B4:4 G#4:2 B4:2",
]
MELODY = MELODY_A + MELODY_B + MELODY_A2

# Bass rhythms: (start, length, interval above the root) in sixteenths.
BASS_SYNCOPATED = [(0, 3, 0), (3, 3, 0), (6, 2, 12), (8, 3, 0), (11, 3, 7),
                   (14, 2, 12)]
BASS_DRIVING = [(i * 2, 2, 12 if i % 2 else 0) for i in range(8)]


def parse_bar(text):
    events, pos = [], 0
    for tok in text.split():
        name, length = tok.split(":")
        length = int(length)
        if name != "r":
            events.append((pos, length, note(name)))
        pos += length
    if pos != 16:
        raise ValueError("bar %r adds up to %d sixteenths" % (text, pos))
    return events


class Loop:
    """A mono mix buffer whose end is joined to its start."""

    def __init__(self, length):
        self.buf = [0.0] * length
        self.n = length

    def add(self, sound, offset, gain=1.0):
        buf, n = self.buf, self.n
        offset %= self.n
        first = min(len(sound), n - offset)
        buf[offset:offset + first] = [
            a + gain * b for a, b in zip(buf[offset:offset + first], sound)]
        rest = len(sound) - first
        if rest:
            buf[0:rest] = [a + gain * b
                           for a, b in zip(buf[0:rest], sound[first:])]


def circular_echo(x, delay, feedback, wet):
    """Feedback echo on a looped buffer: echoes of the last bar land in
    the first, exactly as they would when the tune repeats."""
    n = len(x)
    if n % delay:
        raise ValueError("echo delay must divide the loop length")
    blocks = n // delay
    y = [0.0] * n
    prev = [0.0] * delay
    # Twice round the loop: the second pass picks up the wrapped echoes.
    for _ in range(2):
        for b in range(blocks):
            s = b * delay
            cur = [a + feedback * p for a, p in zip(x[s:s + delay], prev)]
            y[s:s + delay] = cur
            prev = cur
    return [a + wet * (c - a) for a, c in zip(x, y)]


def tune():
    bars = len(PROGRESSION)
    assert len(MELODY) == bars
    total = bars * BAR
    lead, rest = Loop(total), Loop(total)
    cache = {}

    def cached(kind, m, n_gate, fn):
        key = (kind, m, n_gate)
        if key not in cache:
            cache[key] = fn(m, n_gate)
        return cache[key]

    for b, (chord, text) in enumerate(zip(PROGRESSION, MELODY)):
        bar0 = b * BAR
        root, pad, arp = CHORDS[chord]
        for pos, length, m in parse_bar(text):
            gate = length * SIXTEENTH - int(0.03 * SR)
            lead.add(cached("lead", m, gate, lead_note), bar0 + pos * SIXTEENTH,
                     0.32)
            if b >= 16:
                # Last section: the tune doubled an octave down, softly.
                lead.add(cached("low", m - 12, gate,
                                lambda mm, g: lead_note(mm, g, SOFT, 0.0)),
                         bar0 + pos * SIXTEENTH, 0.16)
        pattern = BASS_DRIVING if 8 <= b < 16 else BASS_SYNCOPATED
        r = note(root)
        for pos, length, interval in pattern:
            gate = length * SIXTEENTH - int(0.02 * SR)
            rest.add(cached("bass", r + interval, gate, bass_note),
                     bar0 + pos * SIXTEENTH, 0.27)
        key = ("pad", chord)
        if key not in cache:
            cache[key] = pad_chord([note(x) for x in pad], BAR - int(0.1 * SR))
        rest.add(cache[key], bar0, 0.055)
        if b >= 4:
            tones = [note(x) for x in arp]
            seq = [tones[0], tones[1], tones[2], tones[0] + 12,
                   tones[2], tones[1]]
            for i in range(16):
                m = seq[(b * 16 + i) % len(seq)]
                accent = 1.0 if i % 4 == 0 else 0.7
                rest.add(cached("arp", m, SIXTEENTH // 2, arp_note),
                         bar0 + i * SIXTEENTH, 0.15 * accent)

    k, s, h, ho = kick(), snare(), hat(), hat(True)
    for b in range(bars):
        bar0 = b * BAR
        full = b >= 4
        for pos in (0, 8) + ((10,) if full and b % 2 else ()):
            rest.add(k, bar0 + pos * SIXTEENTH, 0.5)
        if full:
            fill = b % 8 == 7
            for pos in (4, 12):
                rest.add(s, bar0 + pos * SIXTEENTH, 0.26)
            if fill:
                for i, pos in enumerate((13, 14, 15)):
                    rest.add(s, bar0 + pos * SIXTEENTH, 0.10 + 0.05 * i)
        for pos in range(0, 16, 2):
            if pos % 4 == 2:
                rest.add(ho if full and pos == 14 else h,
                         bar0 + pos * SIXTEENTH, 0.09)
            elif full:
                rest.add(h, bar0 + pos * SIXTEENTH, 0.05)

    wet_lead = circular_echo(lead.buf, 3 * SIXTEENTH, 0.33, 0.75)
    mix = [a + b for a, b in zip(wet_lead, rest.buf)]
    mean = sum(mix) / len(mix)
    return normalise([v - mean for v in mix], 0.89)


def encode_mp3(samples, path):
    fd, tmp = tempfile.mkstemp(suffix=".wav")
    os.close(fd)
    try:
        write_wav(tmp, samples)
        # VBR keeps it small; lame's info tag stays in, so players that
        # honour it can trim the encoder delay and loop without a gap.
        subprocess.run(["lame", "--quiet", "-V", "4", "-m", "m",
                        "--noreplaygain", tmp, path], check=True)
    finally:
        os.unlink(tmp)


# ---------------------------------------------------------------- effects

def stonedown():
    """A soft wooden knock: low thump plus a short bright tick."""
    n = int(0.12 * SR)
    out, ph = [], 0.0
    tick = lowpass(noise(n, 21), 2500)
    for i in range(n):
        t = i / SR
        f = 85 + 140 * math.exp(-t / 0.018)
        ph += 2 * math.pi * f / SR
        body = math.sin(ph) * math.exp(-t / 0.03)
        knock = math.sin(2 * math.pi * 820 * t) * math.exp(-t / 0.008)
        out.append(body + 0.28 * knock + 0.6 * tick[i] * math.exp(-t / 0.004))
    return normalise(fade(out, 0.001, 0.02), 0.5)


def crackline():
    """Rows break up: a rising sweep, crackles, and a bright arpeggio."""
    n = int(0.44 * SR)
    out = [0.0] * n
    ph = 0.0
    for i in range(int(0.26 * SR)):
        t = i / SR
        f = 420 * (1600 / 420) ** (t / 0.26)
        ph += f * TABLE / SR
        env = min(1.0, t / 0.005) * (1 - t / 0.26) ** 1.5
        # A table with few harmonics: the sweep climbs high, and a rich one
        # would fold back down as hiss.
        out[i] += 0.35 * LEAD[int(ph) & MASK] * env
    rng = random.Random(22)
    burst = lowpass(highpass(noise(int(0.004 * SR), 23), 1500), 7000)
    for _ in range(46):
        # Crackles thin out as the sound goes on.
        t = 0.3 * rng.random() ** 1.6
        g = rng.uniform(0.2, 0.5) * (1 - t / 0.35)
        s = int(t * SR)
        for j, v in enumerate(burst):
            if s + j < n:
                out[s + j] += g * v * (1 - j / len(burst))
    for k, m in enumerate(("C6", "E6", "G6", "C7")):
        s = int((0.05 + 0.055 * k) * SR)
        f = midi_freq(note(m))
        for j in range(n - s):
            t = j / SR
            out[s + j] += 0.28 * SOFT[int(j * f * TABLE / SR) & MASK] * \
                math.exp(-t / 0.07) * min(1.0, t / 0.002)
    return normalise(fade(out, 0.002, 0.05), 0.7)


def phrase(notes, tab, vibrato=0.006, tail=0.25):
    """Render (start s, length s, midi, gain[, bend semitones]) events."""
    end = max(s + l for s, l, *_ in notes) + tail
    out = [0.0] * int(end * SR)
    for ev in notes:
        s, l, m, g = ev[:4]
        bend = ev[4] if len(ev) > 4 else 0.0
        gate = int(l * SR)
        env = adsr(gate, 0.01, 0.15, 0.7, 0.12)
        f0 = midi_freq(m)
        ph, w = 0.0, 2 * math.pi * 5.0 / SR
        off = int(s * SR)
        for i, e in enumerate(env):
            t = i / len(env)
            f = f0 * 2 ** (bend * t / 12.0)
            vib = vibrato * min(1.0, i / (0.2 * SR)) * math.sin(w * i)
            ph += f * (1 + vib) * TABLE / SR
            if off + i < len(out):
                out[off + i] += g * tab[int(ph) & MASK] * e
    return out


def loose():
    """A slow, drooping descent: the stack has reached the top."""
    ev = [(0.00, 0.22, note("G4"), 0.8),
          (0.26, 0.22, note("F#4"), 0.8),
          (0.52, 0.22, note("F4"), 0.8),
          (0.78, 0.45, note("E4"), 0.9, -1.0)]
    low = [(0.0, 0.48, note("C3"), 0.35), (0.52, 0.7, note("A2"), 0.35)]
    a = phrase(ev, LEAD, 0.008)
    b = phrase(low, SOFT, 0.0)
    out = [x + (b[i] if i < len(b) else 0.0) for i, x in enumerate(a)]
    return normalise(fade(out, 0.003, 0.08), 0.7)


def highscore():
    """A short bright fanfare ending on a held major chord."""
    t = 0.09
    ev = [(0 * t, t * 0.9, note("G4"), 0.7),
          (1 * t, t * 0.9, note("C5"), 0.7),
          (2 * t, t * 0.9, note("E5"), 0.7),
          (3 * t, 1.6 * t, note("G5"), 0.8),
          (4.8 * t, 0.8 * t, note("E5"), 0.7),
          (5.8 * t, 0.62, note("G5"), 0.8),
          (5.8 * t, 0.62, note("C6"), 0.5),
          (5.8 * t, 0.62, note("E5"), 0.45),
          (5.8 * t, 0.62, note("C4"), 0.45)]
    out = phrase(ev, BRASS, 0.007, tail=0.2)
    sparkle = phrase([(5.8 * t + 0.05 * k, 0.1, note(m), 0.25)
                      for k, m in enumerate(("C7", "G6", "E7", "C7", "G7"))],
                     SOFT, 0.0, tail=0.2)
    for i, v in enumerate(sparkle):
        if i < len(out):
            out[i] += v
    return normalise(fade(out, 0.002, 0.1), 0.75)


def write_all(sound_dir):
    write_wav(os.path.join(sound_dir, "stonedown.wav"), stonedown())
    write_wav(os.path.join(sound_dir, "crackline.wav"), crackline())
    write_wav(os.path.join(sound_dir, "loose.wav"), loose())
    write_wav(os.path.join(sound_dir, "highscore.wav"), highscore())
    encode_mp3(tune(), os.path.join(sound_dir, "background.mp3"))
