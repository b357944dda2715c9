# The real game on a private Xvfb with openbox and, for tests that listen, a
# PulseAudio null sink whose monitor is recorded; driven from outside.
#
# Every process started here is a child of the test, ended by its own PID and
# reaped. Waits poll a condition against a generous deadline: these machines
# are shared and noisy. Positions are client-relative (the play area's
# top-left, below the menu bar) unless a name says screen.
import ctypes.util
import os, re, select, shutil, subprocess, sys, tempfile, time, unittest  # noqa: E401
from ctypes import POINTER, byref, c_int, c_uint, c_ulong, c_ushort, c_void_p

CLIENT_W, CLIENT_H, MENU_BAR_H = 489, 581, 19  # the menu bar under Fusion and DejaVu Sans
SLOW = 60  # start-ups take this long only on a swamped machine
RATE = 22050  # the recording: mono, 16-bit
WHITE, BLACK, DRIFTER_RED = (255, 255, 255), (0, 0, 0), (250, 0, 0)
# Menu titles' x on the menu bar, and their items: 22 px apart from y = 29,
# their text 30 px right of the title.
MENUS = {"Start": (22, ["New Game"] + [f"Level {n}" for n in range(2, 10)]
                   + ["Final Level", "Ending Act"]),
         "Help": (67, ["Instructions", "About Vasculon"])}
BINARY = ""


def wait_until(condition, timeout, what, interval=0.03):
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)
    return value


def wait_still(read, what):  # until read() gives one truthy value twice running
    last = [None]

    def same():
        before, last[0] = last[0], read()
        return before == last[0] and last[0]
    return wait_until(same, SLOW, what, 0.2)


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def tail(path):
    with open(path, "rb") as file:
        return file.read()[-3000:].decode(errors="replace")


def reddish(rgb):  # the backdrop's reds: no green, no blue
    return rgb[0] >= 90 and rgb[1] == rgb[2] == 0


def near(a, b, tolerance=2):
    return max(abs(p - q) for p, q in zip(a, b)) <= tolerance


def blobs(points, gap=2):
    # (left, top, right, bottom) of each group of points within gap px of one another
    rest, found = set(points), []
    while rest:
        todo, group = [rest.pop()], []
        while todo:
            x, y = todo.pop()
            group.append((x, y))
            for p in [(x + dx, y + dy) for dx in range(-gap, gap + 1) for dy in range(-gap, gap + 1)]:
                if p in rest:
                    rest.remove(p)
                    todo.append(p)
        xs, ys = zip(*group)
        found.append((min(xs), min(ys), max(xs) + 1, max(ys) + 1))
    return found


class Shot:  # a screen rectangle's pixels (X's 32-bit BGRX), from its top-left
    def __init__(self, data, stride, width):
        self.data, self.stride, self.width = data, stride, width

    def at(self, x, y):
        i = y * self.stride + 4 * x
        return self.data[i + 2], self.data[i + 1], self.data[i]

    def find(self, rgb):  # every pixel of exactly this colour
        pattern, found, i = bytes(reversed(rgb)), [], -1
        while (i := self.data.find(pattern, i + 1)) >= 0:
            y, x4 = divmod(i, self.stride)
            if x4 % 4 == 0 and x4 < 4 * self.width:
                found.append((x4 // 4, y))
        return found


class _Image(ctypes.Structure):  # XImage up to bytes_per_line
    _fields_ = [(f, c_int) for f in "w h xoffset format".split()] + [("data", c_void_p)] + [
        (f, c_int) for f in "order unit bit_order pad depth bytes_per_line".split()]


class _Cursor(ctypes.Structure):  # XFixesCursorImage up to its pixels
    _fields_ = [(f, ctypes.c_short) for f in "xy"] + [(f, c_ushort) for f in "w h xhot yhot".split()] + [
        ("serial", c_ulong), ("pixels", POINTER(c_ulong))]


_IGNORE_X_ERRORS = ctypes.CFUNCTYPE(c_int, c_void_p, c_void_p)(lambda display, error: 0)


class Session:
    # Xvfb on a free display, openbox, and with sound=True PulseAudio's null
    # sink recorded by parec; one private runtime dir, shared with the game.
    def __init__(self, screen=(1920, 1080), sound=False):
        self.tmp = tempfile.mkdtemp(prefix="vasculon-e2e-")
        self.procs, self.marks, self.dpy = [], [], None
        runtime = os.path.join(self.tmp, "run")
        os.mkdir(runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND", "PULSE", "XAUTH"))}
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=self.tmp, LC_ALL="C.UTF-8")
        if not sound:  # a sure silence, with no server spawned behind our back
            self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.tmp, "none")
        try:
            for attempt in range(3):  # a display can be lost to a server started at the same time
                try:
                    self._start_x(screen)
                    break
                except AssertionError:
                    for proc in self.procs:
                        stop(proc)
                    self.procs.clear()
                    if attempt == 2:
                        raise
            if sound:
                self.listen()
            self._open_display()
        except BaseException:
            self.stop()
            raise

    def _start_x(self, screen):
        read_fd, write_fd = os.pipe()
        with open(self.tmp + "/Xvfb.log", "ab") as log:
            self.procs.append(subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                                                "%dx%dx24" % screen, "-nolisten", "tcp"],
                                               pass_fds=(write_fd,), stderr=log))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:  # the number comes once the server is ready
            number = select.select([pipe], [], [], SLOW)[0] and pipe.readline().strip()
        if not number:
            raise AssertionError(f"Xvfb gave no display:\n{tail(self.tmp + '/Xvfb.log')}")
        self.env["DISPLAY"] = ":" + number
        self.spawn(["openbox", "--sm-disable"], lambda: "window id" in self.run(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))

    def listen(self):  # PulseAudio with a null sink, whose monitor parec records
        socket, self.raw, self.marks = self.env["XDG_RUNTIME_DIR"] + "/pulse/native", self.tmp + "/raw", []
        self.pulse = self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                 "--load=module-native-protocol-unix",
                                 "--load=module-null-sink sink_name=vnull norewinds=1"],
                                lambda: os.path.exists(socket))
        with open(self.raw, "ab") as raw:  # the monitor yields silence from the start
            start = raw.tell()
            self.spawn(["parec", "-d", "vnull.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
                        "--channels=1"], lambda: self.recorded() > start + RATE // 10, stdout=raw)

    def spawn(self, args, ready, stdout=None):
        log = os.path.join(self.tmp, args[0] + ".log")
        with open(log, "wb") as out:
            proc = subprocess.Popen(args, env=self.env, stdout=stdout or out, stderr=out)
        self.procs.append(proc)

        def up():
            if proc.poll() is not None:
                raise AssertionError(f"{args[0]} exited with {proc.returncode}")
            return ready()
        try:
            wait_until(up, SLOW, args[0], 0.1)
        except AssertionError as error:
            raise AssertionError(f"{error}; it said:\n{tail(log)}") from None
        return proc

    def _open_display(self):
        x11 = self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
        x11.XOpenDisplay.restype, x11.XDefaultRootWindow.restype = c_void_p, c_ulong
        x11.XGetImage.restype = POINTER(_Image)
        x11.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
        x11.XQueryPointer.argtypes = [c_void_p, c_ulong] + [c_void_p] * 7
        x11.XWarpPointer.argtypes = [c_void_p, c_ulong, c_ulong, c_int, c_int, c_uint, c_uint,
                                     c_int, c_int]
        self.xfixes.XFixesGetCursorImage.restype = POINTER(_Cursor)
        self.dpy = c_void_p(x11.XOpenDisplay(self.env["DISPLAY"].encode()))
        self.root = x11.XDefaultRootWindow(self.dpy)
        x11.XSetErrorHandler(_IGNORE_X_ERRORS)  # a failed call returns nothing, not exit
        self.xfixes.XFixesQueryVersion(self.dpy, byref(c_int(6)), byref(c_int(0)))

    def run(self, *args, check=True):
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        if check and done.returncode:
            raise AssertionError(f"{args[0]} failed: {done.stderr.strip()}")
        return done.stdout

    def stop(self):
        if self.dpy:
            self.x11.XCloseDisplay(self.dpy)
        for proc in reversed(self.procs):
            stop(proc)
        shutil.rmtree(self.tmp, ignore_errors=True)

    def pointer(self):
        x, y, ignored = c_int(), c_int(), c_ulong()
        self.x11.XQueryPointer(self.dpy, self.root, byref(ignored), byref(ignored), byref(x),
                               byref(y), byref(c_int()), byref(c_int()), byref(c_uint()))
        return x.value, y.value

    def move(self, x, y):
        self.x11.XWarpPointer(self.dpy, 0, self.root, 0, 0, 0, 0, x, y)
        self.x11.XSync(self.dpy, 0)

    def click(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def key(self, wid, name):
        self.run("xdotool", "windowactivate", "--sync", str(wid), check=False)
        self.run("xdotool", "key", "--clearmodifiers", name)

    def cursor(self):  # (width, height, hot spot, [(r, g, b, alpha)]) of the pointer's shape
        image = self.xfixes.XFixesGetCursorImage(self.dpy).contents
        return (image.w, image.h, (image.xhot, image.yhot), [
            (w >> 16 & 255, w >> 8 & 255, w & 255, w >> 24 & 255) for w in image.pixels[:image.w * image.h]])

    def windows(self, *criteria):
        out = self.run("xdotool", "search", "--all", "--onlyvisible", *criteria, check=False)
        return [int(wid) for wid in out.split()]

    def name(self, wid):
        return self.run("xdotool", "getwindowname", str(wid), check=False).strip()

    def geometry(self, wid):  # (x, y, width, height) of the window's inside, on screen
        out = self.run("xwininfo", "-id", str(wid))
        return tuple(int(re.search(label + r":\s+(-?\d+)", out).group(1)) for label in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def outer(self, wid):  # (left, top, right, bottom) with the decorations
        x, y, w, h = self.geometry(wid)
        out = self.run("xprop", "-id", str(wid), "_NET_FRAME_EXTENTS", check=False)
        left, right, top, bottom = map(int, re.findall(r"\d+", out.partition("=")[2]) or [0] * 4)
        return x - left, y - top, x + w + right, y + h + bottom

    def grab(self, x, y, w, h):
        image = self.x11.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            raise AssertionError(f"no pixels at {w}x{h}+{x}+{y}")
        stride = image.contents.bytes_per_line
        shot = Shot(ctypes.string_at(image.contents.data, stride * h), stride, w)
        self.x11.XDestroyImage(image)
        return shot

    # The recording. parec hands its data over late, never early, and the
    # sink runs at a steady rate: the least delayed of the marks noted at each
    # look, moved along at that rate, places any moment in it.
    def recorded(self):
        return os.path.getsize(self.raw)

    def offset_at(self, when):  # byte offset of what played at monotonic time when
        self.marks.append((time.monotonic(), self.recorded()))
        return max(0, int(max(at + (when - t) * 2 * RATE for t, at in self.marks))) & ~1

    def samples(self, start, end=None):
        with open(self.raw, "rb") as raw:
            raw.seek(start & ~1)
            data = raw.read(-1 if end is None else max(0, end - start))
        return memoryview(data[:len(data) & ~1]).cast("h")

    def peak(self, start, end=None):
        return max(map(abs, self.samples(start, end)), default=0)

    def onsets(self, start, end, share=0.8, spacing=0.1):
        # Seconds after start at which a sound set in: 5 ms stretches within
        # share of the loudest, more than spacing after the last such stretch,
        # so that a heartbeat's quieter second thump does not count again.
        samples, n = self.samples(start, end), RATE // 200
        peaks = [max(map(abs, samples[i:i + n])) for i in range(0, len(samples), n)]
        loud, found, last = share * max(peaks, default=0), [], -1.0
        for i, peak in enumerate(peaks):
            if peak and peak >= loud:
                if i * n / RATE - last > spacing:
                    found.append(i * n / RATE)
                last = i * n / RATE
        return found


class Game:  # one run of the binary in a fresh working directory, with its progress file
    def __init__(self, session, progress=None, env=None, scale=1):
        self.s, self.scale, self.proc = session, scale, None
        self.env = dict(session.env, **(env or {}))
        self.cwd = tempfile.mkdtemp(dir=session.tmp)
        self.file, self.log = os.path.join(self.cwd, "Saved Games.grm"), self.cwd + ".log"
        if progress is not None:
            self.write(progress)

    def start(self):
        with open(self.log, "wb") as log:
            self.proc = subprocess.Popen([BINARY], cwd=self.cwd, env=self.env, stdout=log,
                                         stderr=subprocess.STDOUT)

        def window():
            if self.proc.poll() is not None:
                raise AssertionError(f"the game exited with {self.proc.returncode} before "
                                     f"showing its window:\n{tail(self.log)}")
            return self.s.windows("--pid", str(self.proc.pid), "--name", "^Vasculon$")
        self.wid = wait_until(window, SLOW, "the game window", 0.1)[0]
        wait_still(lambda: reddish(self.shot().at(CLIENT_W // 2, CLIENT_H // 2))
                   and self.s.geometry(self.wid), "the window to settle on its backdrop")
        return self

    def write(self, progress):
        with open(self.file, "wb") as file:
            file.write(bytes([progress, 0, 0, 0]) if isinstance(progress, int) else progress)

    def progress(self):
        if os.path.exists(self.file):
            with open(self.file, "rb") as file:
                return file.read()

    def to_screen(self, cx, cy):
        x, y, _, _ = self.s.geometry(self.wid)
        return x + cx * self.scale, y + (MENU_BAR_H + cy) * self.scale

    def outer(self):
        return self.s.outer(self.wid)

    def germ(self, outer=None):  # the pointer where the game's hazards see it
        (x, y), (left, top, _, _) = self.s.pointer(), outer or self.outer()
        return x - left, y - top - MENU_BAR_H

    def start_point(self):  # where a game puts the pointer: centred, 150 px above the bottom
        left, _, right, bottom = self.outer()
        return (left + right) // 2, bottom - 150 * self.scale

    def shot(self):
        return self.s.grab(*self.to_screen(0, 0), CLIENT_W * self.scale, CLIENT_H * self.scale)

    def text(self, shot=None):  # (left, right) of a black-on-white text at the centre, or None
        shot = shot or self.shot()
        band = [(x, shot.at(x, y)) for y in range(288, 311) for x in range(184, 305)]
        white = [x for x, rgb in band if rgb == WHITE]
        if len(white) < 30 or sum(max(rgb) < 80 for _, rgb in band) < 10:
            return None
        return min(white), max(white)

    def texts(self, timeout=20):  # distinct centre texts in order, until the centre is clear
        seen = []

        def watch():
            text = self.text()
            if text and text not in seen:
                seen.append(text)
            return seen and not text
        wait_until(watch, timeout, "the centre texts to come and go", 0.01)
        return seen

    def choose(self, title, item):
        x, y, _, _ = self.s.geometry(self.wid)
        tx, items, k = *MENUS[title], self.scale
        ix, iy = x + (tx + 30) * k, y + (29 + 22 * items.index(item)) * k
        self.s.click(x + tx * k, y + 9 * k)
        wait_until(lambda: not reddish(self.s.grab(ix, iy, 1, 1).at(0, 0)), 10,
                   f"the {title} menu to cover the backdrop")
        self.s.click(ix, iy)

    def boxes(self):  # visible windows of the game other than its main window
        return [wid for wid in self.s.windows("--pid", str(self.proc.pid)) if wid != self.wid]

    def close_box(self, wid):
        self.s.key(wid, "Return")
        wait_until(lambda: wid not in self.boxes(), 10, "the box to close", 0.1)

    def new_boxes(self, what, known=(), outside=False):
        # With outside=True the pointer is held left of the window meanwhile: the walls kill.
        left, top, _, bottom = self.outer()

        def opened():
            if outside:
                self.s.move(max(0, left - 300), (top + bottom) // 2)
            return [wid for wid in self.boxes() if wid not in known]
        return wait_until(opened, 15, what, 0.05)


class GameTest(unittest.TestCase):  # one session per test class; launch() starts a game in it
    screen, sound = (1920, 1080), False

    @classmethod
    def setUpClass(cls):
        cls.x = Session(cls.screen, cls.sound)
        cls.addClassCleanup(cls.x.stop)

    def launch(self, progress=None, env=None, scale=1):
        game = Game(self.x, progress, env, scale)
        self.addCleanup(lambda: game.proc and stop(game.proc))
        self.addCleanup(self.ended_cleanly, game)
        return game.start()

    def ended_cleanly(self, game):
        if game.proc and game.proc.poll() not in (None, 0):
            self.fail(f"the game exited with {game.proc.returncode}:\n{tail(game.log)}")


def main():  # python3 test_x.py /path/to/vasculon [unittest arguments]
    global BINARY
    BINARY = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
