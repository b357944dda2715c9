"""A PulseAudio null sink whose monitor we record: what the game plays."""
import os
import shutil
import subprocess
import time

from xtools import stop_process, wait_until

RATE = 22050  # mono 16-bit little-endian capture


def missing_tools():
    return [tool for tool in ("pulseaudio", "parec") if shutil.which(tool) is None]


class SoundCapture:
    """Runs a private PulseAudio in the X server's runtime dir, which the game
    shares, and records the null sink's monitor into a raw file."""

    def __init__(self, xserver):
        self.x = xserver
        self.raw_path = os.path.join(xserver.tmp, "capture.raw")
        self.procs = []

    def start(self):
        log = open(os.path.join(self.x.tmp, "pulseaudio.log"), "wb")
        self.procs.append(subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-native-protocol-unix",
             "--load=module-null-sink sink_name=vnull norewinds=1"],
            env=self.x.env, stdout=log, stderr=subprocess.STDOUT))
        log.close()
        socket = os.path.join(self.x.runtime_dir, "pulse", "native")
        wait_until(lambda: os.path.exists(socket), 20, "the PulseAudio socket", 0.1)
        self._start_recording()
        return self

    def _start_recording(self):
        with open(self.raw_path, "wb") as raw:
            self.procs.append(subprocess.Popen(
                ["parec", "-d", "vnull.monitor", "--raw", "--format=s16le",
                 f"--rate={RATE}", "--channels=1"],
                env=self.x.env, stdout=raw, stderr=subprocess.DEVNULL))
        # The monitor delivers silence continuously once the stream is up.
        wait_until(lambda: self.position() > RATE // 10, 20, "the recording to run", 0.1)

    def position(self):
        """Bytes recorded so far."""
        return os.path.getsize(self.raw_path)

    def peak(self, start=0):
        """Largest absolute sample recorded after byte offset start."""
        with open(self.raw_path, "rb") as raw:
            raw.seek(start - start % 2)
            data = memoryview(raw.read()).cast("B")
        usable = len(data) - len(data) % 2
        samples = data[:usable].cast("h") if usable else []
        return max((abs(s) for s in samples), default=0)

    def stop(self):
        for proc in reversed(self.procs):
            stop_process(proc)
        self.procs.clear()


def wait_for_sound(capture, start, threshold=1000, timeout=10):
    """Waits until the recording after start holds a sample above threshold."""
    return wait_until(lambda: capture.peak(start) > threshold or None,
                      timeout, "audible sound", 0.2)
