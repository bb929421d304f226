#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Cues on a sound server of our own: each cue is heard, and between cues the stream is corked, so
a game waiting for the player costs the server nothing.

Usage: cue_idle.py CUE_PROBE
The probe plays hit.wav at once and and.wav 3 s later, and quits after 6 s. Meanwhile the server's
null sink is recorded and the state of the probe's stream is read every 0.2 s. Exits 77 (skipped)
without PulseAudio and its tools.
"""
import array
import os
import shutil
import subprocess
import sys
import time

from e2e import check, in_workdir, stop_process
from exit_stress import SoundServer

PROBE_MS = 6000
RATE = 8000  # of the recording: mono, 16-bit
WINDOW = RATE // 20


def loud_spans(samples):
    """Start times in seconds of the stretches louder than quiet, joined across short gaps."""
    spans = []
    last = None
    for i in range(len(samples) // WINDOW):
        if max(abs(v) for v in samples[i * WINDOW:(i + 1) * WINDOW]) > 100:
            t = i * WINDOW / RATE
            if last is None or t - last > 0.5:
                spans.append(t)
            last = t
    return spans


def corked_states(env, probe):
    """The stream's Corked value, once a change, while the probe runs."""
    states = []
    while probe.poll() is None:
        out = subprocess.run(["pactl", "list", "sink-inputs"], env=env, capture_output=True,
                             text=True, timeout=10).stdout
        for line in out.splitlines():
            if line.strip().startswith("Corked:"):
                state = line.split(":", 1)[1].strip()
                if not states or states[-1] != state:
                    states.append(state)
        time.sleep(0.2)
    return states


def run(probe, workdir):
    server = SoundServer(workdir)
    recorder = None
    try:
        check(server.address is not None, "a sound server of our own starts")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=workdir,
                   PULSE_SERVER=server.address)
        recording = os.path.join(workdir, "heard.raw")
        with open(recording, "wb") as out:
            recorder = subprocess.Popen(
                ["parec", "--device=null.monitor", "--raw", "--format=s16le", "--rate=%d" % RATE,
                 "--channels=1", "--latency-msec=20"], env=env, stdout=out)
        deadline = time.time() + 10
        while time.time() < deadline and os.path.getsize(recording) == 0:
            time.sleep(0.05)
        check(os.path.getsize(recording) > 0, "the null sink is recorded")
        recorded_before = os.path.getsize(recording)

        sound_dir = "-"  # the cues where the game finds its own
        started = time.time()
        process = subprocess.Popen([probe, sound_dir, str(PROBE_MS)], env=env)
        states = corked_states(env, process)
        code = process.wait(timeout=30)
        check(code == 0, "the probe ends cleanly (exit %d)" % code)
        # The sink renders ahead of time while idle, so the recording may lag behind the clock.
        wanted = recorded_before + int((time.time() - started + 0.5) * RATE * 2)
        deadline = time.time() + 10
        while time.time() < deadline and os.path.getsize(recording) < wanted:
            time.sleep(0.1)
        stop_process(recorder, 5)
        recorder = None

        with open(recording, "rb") as f:
            data = f.read()
        samples = array.array("h", data[:len(data) // 2 * 2])
        spans = loud_spans(samples)
        print("# stream corked: %s; heard at %s s of the recording"
              % (" -> ".join(states), ", ".join("%.2f" % t for t in spans)))
        check(len(spans) == 2, "both cues are heard, each once")
        played = [i for i, state in enumerate(states) if state == "no"]
        check(len(played) == 2 and played[-1] + 1 < len(states),
              "the stream plays for each cue and is corked after each")
    finally:
        if recorder is not None:
            stop_process(recorder, 5)
        server.close()


def main():
    probe = os.path.abspath(sys.argv[1])
    if not all(shutil.which(tool) for tool in ("pulseaudio", "pactl", "parec")):
        print("# skipped: PulseAudio and its tools are needed")
        return 77
    return in_workdir("quorvane-cue-idle-", lambda workdir: run(probe, workdir))


if __name__ == "__main__":
    sys.exit(main())
