#!/usr/bin/env python3
"""Counts the sounds in a recording: the places where the level rises from
quiet to loud. Reads a 16-bit PCM WAV file; prints the count and the onset
times in milliseconds.

   count_onsets.py RECORDING.wav [THRESHOLD]

A sound starts where the peak of a 5 ms window passes THRESHOLD (a fraction
of full scale, default 0.05) after at least 20 ms below half of it, so a
sound cut by the next one 150 ms later still counts once each."""
import array
import sys
import wave


def onsets(path, threshold=0.05, window_ms=5, quiet_ms=20):
    with wave.open(path, "rb") as wav:
        if wav.getsampwidth() != 2:
            sys.exit(f"{path}: not 16-bit PCM")
        rate, channels = wav.getframerate(), wav.getnchannels()
        samples = array.array("h", wav.readframes(wav.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    step = max(1, rate * window_ms // 1000) * channels
    loud, quiet = threshold * 32768, threshold * 16384
    found, quiet_for, armed = [], quiet_ms, True
    for start in range(0, len(samples), step):
        peak = max((abs(s) for s in samples[start:start + step]), default=0)
        if peak < quiet:
            quiet_for += window_ms
            if quiet_for >= quiet_ms:
                armed = True
        else:
            quiet_for = 0
        if armed and peak >= loud:
            found.append(start // channels * 1000 // rate)
            armed = False
    return found


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    times = onsets(sys.argv[1], float(sys.argv[2]) if len(sys.argv) == 3 else 0.05)
    print(len(times), " ".join(str(t) for t in times))
