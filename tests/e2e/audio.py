"""A PulseAudio null sink whose monitor we record: what the game plays."""
import os
import shutil
import subprocess
import time

from xtools import STARTUP_TIMEOUT, stop_process, wait_until

RATE = 22050  # mono 16-bit little-endian capture
BYTES_PER_S = 2 * RATE


def missing_tools():
    return [tool for tool in ("pulseaudio", "parec") if shutil.which(tool) is None]


class SoundCapture:
    """Runs a private PulseAudio in the X server's runtime dir, which the game
    shares, and records the null sink's monitor into a raw file."""

    def __init__(self, xserver):
        self.x = xserver
        self.raw_path = os.path.join(xserver.tmp, "capture.raw")
        self.procs = []
        self.marks = []  # (monotonic time, bytes recorded by then)

    def start(self):
        log = open(os.path.join(self.x.tmp, "pulseaudio.log"), "wb")
        self.procs.append(subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-native-protocol-unix",
             "--load=module-null-sink sink_name=vnull norewinds=1"],
            env=self.x.env, stdout=log, stderr=subprocess.STDOUT))
        log.close()
        socket = os.path.join(self.x.runtime_dir, "pulse", "native")
        wait_until(lambda: os.path.exists(socket), STARTUP_TIMEOUT,
                   "the PulseAudio socket", 0.1)
        self._start_recording()
        return self

    def _start_recording(self):
        with open(self.raw_path, "wb") as raw:
            self.procs.append(subprocess.Popen(
                ["parec", "-d", "vnull.monitor", "--raw", "--format=s16le",
                 f"--rate={RATE}", "--channels=1"],
                env=self.x.env, stdout=raw, stderr=subprocess.DEVNULL))
        # The monitor delivers silence continuously once the stream is up.
        wait_until(lambda: self.position() > RATE // 10, STARTUP_TIMEOUT,
                   "the recording to run", 0.1)

    def position(self):
        """Bytes recorded so far."""
        return os.path.getsize(self.raw_path)

    def mark(self):
        """Notes how much has been recorded now, for offset_at."""
        self.marks.append((time.monotonic(), self.position()))

    def offset_at(self, when):
        """Byte offset of the sound played at monotonic time when.

        parec hands over its data late, never early, and the sink runs at
        its own steady rate, so the least delayed mark, moved along at that
        rate, tells where any moment lies in the recording."""
        if not self.marks:
            self.mark()
        best = max(position + (when - at) * BYTES_PER_S for at, position in self.marks)
        return max(0, int(best) & ~1)

    def peak(self, start=0, end=None):
        """Largest absolute sample recorded between byte offsets start and end."""
        start -= start % 2
        with open(self.raw_path, "rb") as raw:
            raw.seek(start)
            data = memoryview(raw.read(-1 if end is None else max(0, end - start)))
        usable = len(data) - len(data) % 2
        samples = data[:usable].cast("h") if usable else []
        return max((abs(s) for s in samples), default=0)

    def onsets(self, start, end, share=0.8, spacing=0.1):
        """Seconds after start at which a sound set in: 5 ms stretches within
        share of the loudest one recorded, more than spacing after the last
        such stretch, so the quieter second thump of a heartbeat, and the
        stretches of one thump, do not count again."""
        window = 2 * (RATE // 200)
        start -= start % 2
        with open(self.raw_path, "rb") as raw:
            raw.seek(start)
            data = memoryview(raw.read(max(0, end - start)))
        usable = len(data) - len(data) % window
        peaks = [max(abs(s) for s in data[i:i + window].cast("h"))
                 for i in range(0, usable, window)]
        loud = share * max(peaks, default=0)
        found, last = [], None
        for i, peak in enumerate(peaks):
            at = i * window / BYTES_PER_S
            if peak and peak >= loud:
                if last is None or at - last > spacing:
                    found.append(at)
                last = at
        return found

    def stop(self):
        for proc in reversed(self.procs):
            stop_process(proc)
        self.procs.clear()


def wait_for_sound(capture, start, threshold=1000, timeout=10):
    """Waits until the recording after start holds a sample above threshold."""
    return wait_until(lambda: capture.peak(start) > threshold or None,
                      timeout, "audible sound", 0.2)
