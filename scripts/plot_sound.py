"""Plots the pitch of each side of a recorded run against the pitch each
vector's height should sound at: 440 Hz times 2 to the height over the
view's extent (15), for lengths 10 turning once and twice a second.

python3 plot_sound.py RUN.wav OUT.png
"""
import sys
import wave

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
import matplotlib.ticker
import numpy as np


def pitch_track(x, rate, window):
    """Pitch per window from zero crossings; NaN where the window is quiet."""
    times, track = [], []
    for start in range(0, len(x) - window, window):
        part = x[start:start + window]
        times.append((start + window / 2) / rate)
        crossings = np.where(np.diff(np.signbit(part)))[0]
        if np.sqrt(np.mean(part * part)) < 1000 or len(crossings) < 3:
            track.append(np.nan)
            continue
        # Interpolated between the samples either side of each crossing.
        at = crossings + part[crossings] / (part[crossings] - part[crossings + 1])
        track.append((len(at) - 1) * rate / (2 * (at[-1] - at[0])))
    return np.array(times), np.array(track)


def main(wav_path, png_path):
    with wave.open(wav_path) as w:
        rate = w.getframerate()
        x = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").reshape(-1, 2).astype(float)
    window = rate // 100
    fig, axes = plt.subplots(2, 1, figsize=(9, 6), sharex=True)
    for side, (ax, name, turns) in enumerate(zip(axes, ["left: vector 1", "right: vector 2"], [1, 2])):
        t, hz = pitch_track(x[:, side], rate, window)
        sounding = np.where(~np.isnan(hz))[0]
        start, end = t[sounding[0]], t[sounding[-1]]
        # The run's second of time spread over the time it sounded.
        sim = np.linspace(0, 1, 400)
        expected = 440 * 2 ** (10 * np.sin(2 * np.pi * turns * sim) / 15)
        ax.plot(start + sim * (end - start), expected, color="0.6", linewidth=4, label="expected from the height")
        ax.plot(t, hz, ".", markersize=3, color="tab:blue" if side == 0 else "tab:red", label="recorded")
        ax.set_yscale("log")
        ax.yaxis.set_minor_formatter(matplotlib.ticker.NullFormatter())
        ax.set_yticks([220, 277, 440, 698, 880])
        ax.set_yticklabels(["220", "277", "440", "698", "880"])
        ax.set_ylim(200, 950)
        ax.set_ylabel("pitch (Hz)")
        ax.set_title(f"{name}, sounding {end - start:.2f} s")
        ax.legend(loc="lower left", fontsize=8)
    axes[1].set_xlabel("time in the recording (s)")
    fig.tight_layout()
    fig.savefig(png_path, dpi=100)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
