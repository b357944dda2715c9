"""A private X server with a window manager, and the X tools we drive it with.

Every process started here is a child of the test process, is waited for and
is ended by its own PID. Waits poll a condition against a generous deadline:
the machines these tests run on are shared and noisy.
"""
import os
import re
import select
import shutil
import subprocess
import tempfile
import time

SCREEN_W, SCREEN_H = 1920, 1080
# Start-up waits (X server, window manager, sound server, the game's window)
# only run long when a shared machine is swamped; a short deadline would turn
# that into a failure.
STARTUP_TIMEOUT = 60
TOOLS = ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import")


def missing_tools():
    return [tool for tool in TOOLS if shutil.which(tool) is None]


def wait_until(condition, timeout, what, interval=0.05):
    """Polls condition() until it returns something truthy; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def stop_process(proc, grace=5.0):
    """Ends one child we started, by its PID, and reaps it."""
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait(timeout=grace)


def _tail(path, size=2000):
    try:
        with open(path, "rb") as file:
            return file.read()[-size:].decode(errors="replace")
    except OSError:
        return ""


class XServer:
    """Xvfb on a free display, openbox on it, and a private runtime dir."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="vasculon-e2e-")
        self.runtime_dir = os.path.join(self.tmp, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        os.chmod(self.runtime_dir, 0o700)
        self.home = os.path.join(self.tmp, "home")
        os.mkdir(self.home)
        self.procs = []
        self.env = None

    def start(self):
        try:
            self._start_xvfb()
            self._start_openbox()
        except BaseException:
            self.stop()
            raise
        return self

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            # The number is written once the server is ready.
            ready, _, _ = select.select([pipe], [], [], STARTUP_TIMEOUT)
            number = pipe.readline().strip() if ready else ""
        if not number:
            raise RuntimeError(f"Xvfb did not report a display within "
                               f"{STARTUP_TIMEOUT} s")
        self.env = self._base_env(":" + number)

    def _base_env(self, display):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "WAYLAND", "PULSE"))}
        env.update(DISPLAY=display, XDG_RUNTIME_DIR=self.runtime_dir,
                   HOME=self.home, XDG_SESSION_TYPE="x11", LC_ALL="C.UTF-8")
        env.pop("XAUTHORITY", None)
        return env

    def _start_openbox(self):
        log_path = os.path.join(self.tmp, "openbox.log")
        with open(log_path, "wb") as log:
            proc = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                    stdout=log, stderr=subprocess.STDOUT)
        self.procs.append(proc)

        def managed():
            if proc.poll() is not None:
                raise AssertionError(f"openbox exited with {proc.returncode}")
            return "window id" in self.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        try:
            wait_until(managed, STARTUP_TIMEOUT, "openbox to manage the screen", 0.1)
        except AssertionError as error:
            raise AssertionError(f"{error}; openbox said:\n{_tail(log_path)}") from None

    def run(self, args, check=True, timeout=20):
        done = subprocess.run(args, env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        if check and done.returncode != 0:
            raise RuntimeError(f"{args[0]} failed: {done.stderr.strip()}")
        return done.stdout

    def stop(self):
        for proc in reversed(self.procs):
            stop_process(proc)
        self.procs.clear()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # --- pointer and keyboard -------------------------------------------

    def pointer(self):
        out = self.run(["xdotool", "getmouselocation"])
        fields = dict(re.findall(r"(\w+):(\d+)", out))
        return int(fields["x"]), int(fields["y"])

    def move_pointer(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", "1"])

    def key(self, window, name):
        """Gives the window the focus, then types the key."""
        self.run(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        self.run(["xdotool", "key", "--clearmodifiers", name])

    # --- windows --------------------------------------------------------

    def find_window(self, name_regex, timeout=STARTUP_TIMEOUT):
        def search():
            out = self.run(["xdotool", "search", "--onlyvisible", "--name",
                            name_regex], check=False)
            ids = out.split()
            return int(ids[0]) if ids else None
        return wait_until(search, timeout, f"a window named {name_regex}", 0.1)

    def windows_of(self, pid):
        out = self.run(["xdotool", "search", "--onlyvisible", "--pid",
                        str(pid)], check=False)
        return [int(wid) for wid in out.split()]

    def window_name(self, wid):
        return self.run(["xdotool", "getwindowname", str(wid)], check=False).strip()

    def geometry(self, wid):
        """(x, y, width, height) of the window's inside, in screen pixels."""
        out = self.run(["xwininfo", "-id", str(wid)])

        def field(label):
            return int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def frame_extents(self, wid):
        """(left, right, top, bottom) decoration sizes the WM reports."""
        out = self.run(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"], check=False)
        numbers = re.findall(r"\d+", out.split("=", 1)[-1]) if "=" in out else []
        return tuple(int(n) for n in numbers) if len(numbers) == 4 else (0, 0, 0, 0)

    def outer_rect(self, wid):
        """(left, top, right, bottom) of the window with its decorations."""
        x, y, w, h = self.geometry(wid)
        left, right, top, bottom = self.frame_extents(wid)
        return (x - left, y - top, x + w + right, y + h + bottom)

    def move_window(self, wid, x, y):
        self.run(["xdotool", "windowmove", "--sync", str(wid), str(x), str(y)],
                 check=False)

    # --- pixels ---------------------------------------------------------

    def grab(self, x, y, w, h):
        """The screen's pixels in the given rectangle, as a Shot."""
        data = subprocess.run(
            ["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}",
             "+repage", "-depth", "8", "ppm:-"],
            env=self.env, capture_output=True, timeout=20, check=True).stdout
        return Shot.from_ppm(data, x, y)


class Shot:
    """A screenshot region; pixels are addressed in screen coordinates."""

    def __init__(self, x, y, width, height, rgb):
        self.x, self.y, self.width, self.height = x, y, width, height
        self.rgb = rgb

    @classmethod
    def from_ppm(cls, data, x, y):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        if not header:
            raise RuntimeError("import did not return a PPM image")
        width, height = int(header.group(1)), int(header.group(2))
        return cls(x, y, width, height, data[header.end():])

    def pixel(self, sx, sy):
        offset = 3 * ((sy - self.y) * self.width + (sx - self.x))
        return tuple(self.rgb[offset:offset + 3])

    def pixels(self, x0, y0, x1, y1):
        """Every pixel of the half-open screen rectangle [x0,x1) x [y0,y1)."""
        return [(sx, sy, self.pixel(sx, sy))
                for sy in range(y0, y1) for sx in range(x0, x1)]
