# The real game on a private Xvfb with openbox and, for tests that listen, a
# PulseAudio null sink whose monitor parec records; driven from outside.
#
# Each test gets its own servers. Every process started here is a child of
# the test, ended by its own PID and reaped. Waits poll a condition against a
# generous deadline: these machines are shared and noisy. Positions are
# client-relative (the play area's top-left, below the menu bar) unless a
# name says screen.
import contextlib, ctypes.util, getpass, glob, json, math, os, re, shutil, subprocess, tempfile, time, unittest  # noqa: E401
from ctypes import POINTER, c_int, c_uint, c_ulong, c_ushort, c_void_p
from pathlib import Path

from vpointer import VirtualPointer

# The play area; the menu bar under Fusion and DejaVu Sans; the recording's rate (mono, 16-bit).
W, H, BAR, RATE, WHITE, BLACK, RED = 489, 581, 19, 22050, (255, 255, 255), (0, 0, 0), (250, 0, 0)
FIELD, WALL = (150, 0, 0), (100, 0, 0)  # the backdrop's middle and its outermost columns
AUDIBLE = 1000  # a peak of the recording that something played
# Menu titles' x on the menu bar, and their items: 22 px apart from y = 29, 30 px right of the title.
MENUS = {"Start": (22, ["New Game", *(f"Level {n}" for n in range(2, 10)), "Final Level", "Ending Act"]),
         "Help": (67, ["Instructions", "About Vasculon"])}
BINARY = os.path.abspath(os.environ["VASCULON"])  # VASCULON=path/to/vasculon python3 -m unittest test_x ...
WINE = BINARY.lower().endswith(".exe")  # the Windows build: its tests run it under Wine (WineCase)


def wait_until(condition, what, timeout=30, interval=0.05):
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        assert time.monotonic() < deadline, f"timed out after {timeout} s waiting for {what}"
        time.sleep(interval)
    return value


def wait_still(read, what, timeout=30):  # until read() gives one truthy value twice running
    seen = [None]  # the last value; the new one is appended, the last popped and compared with it
    return wait_until(lambda: seen.append(read()) or seen.pop(0) == seen[0] and seen[0], what, timeout, 0.2)


def tail(path):
    return Path(path).read_bytes()[-3000:].decode(errors="replace")


def reddish(rgb):  # the backdrop's reds: no green, no blue
    return rgb[0] >= 90 and rgb[1] == rgb[2] == 0


def blobs(points, gap=2):  # (left, top, right, bottom) of each group of points within gap px
    rest, around = set(points), [(dx, dy) for dx in range(-gap, gap + 1) for dy in range(-gap, gap + 1)]
    while rest:
        group = [rest.pop()]
        for x, y in group:  # grows as it goes
            rest -= (new := {(x + dx, y + dy) for dx, dy in around} & rest)
            group += new
        xs, ys = zip(*group)
        yield min(xs), min(ys), max(xs) + 1, max(ys) + 1


class Shot(bytes):  # a screen rectangle's pixels (X's 32-bit BGRX), from its top-left; grab() sets its stride
    def at(self, x, y):
        return tuple(self[y * self.stride + 4 * x:][:3][::-1])

    def find(self, rgb):  # every pixel of exactly this colour
        return [(i % self.stride // 4, i // self.stride) for i in (m.start() for m in re.finditer(
            b"(?=%s)" % re.escape(bytes(rgb[::-1])), self)) if i % 4 == 0]


X, XFIXES = ctypes.CDLL(ctypes.util.find_library("X11")), ctypes.CDLL(ctypes.util.find_library("Xfixes"))
# XGetImage gives an XImage: four ints, then its data.
X.XOpenDisplay.restype, X.XDefaultRootWindow.restype, X.XGetImage.restype = c_void_p, c_ulong, POINTER(c_void_p)
X.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
XFIXES.XFixesGetCursorImage.restype = POINTER(c_ushort)  # an XFixesCursorImage: x, y, w, h, xhot, yhot, ...


class Case(unittest.TestCase):
    screen, sound, wid, xvfb = "1920x1080", False, None, ()  # xvfb: more of its options
    runner, menus, pitch, box_name = (), MENUS, 22, f"^{os.path.basename(BINARY)}$"  # pitch: the menus' rows
    mute_lines = 1  # what the game says on a machine with no sound: one line
    menu_escapes = 1  # Escapes that take the keyboard back from an open menu
    banners = 42, 62  # the widths of a level's white banner and the Final Level's, in its font

    def setUp(self):
        if self.sound and not shutil.which("pulseaudio"):  # never installed over the desktop's own server
            self.skipTest("skipped: it records the game's sound, and no pulseaudio is here for a private server")
        self.tmp = self.enterContext(tempfile.TemporaryDirectory(prefix="vasculon-e2e-"))  # mode 0700
        # Without our own server running, a sure silence: none is spawned behind our back.
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "WAYLAND", "PULSE", "XAUTH", "XDG_DATA"))}
        self.env.update(XDG_RUNTIME_DIR=self.tmp, HOME=self.tmp, LC_ALL="C.UTF-8",
                        PULSE_SERVER=f"unix:{self.tmp}/pulse/native")
        for attempt in range(3):  # seen here: a display lost at once, to some other server started then
            self.env["DISPLAY"] = ":" + self.spawn(  # Xvfb picks a free display, writes it when ready
                ["Xvfb", "-displayfd", "1", "-screen", "0", self.screen + "x24", "-nolisten", "tcp", "-noreset", *self.xvfb],
                lambda: re.findall(r"^(\d+)\n", Path(self.tmp + "/Xvfb.log").read_text(), re.M))[0]
            with contextlib.suppress(AssertionError) if attempt < 2 else contextlib.nullcontext():
                self.spawn(["openbox", "--sm-disable"], lambda: "window id" in self.cmd(
                    "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
                break
        if self.sound:
            self.raw, self.marks = self.tmp + "/raw", []
            self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=vnull norewinds=1"],
                       lambda: os.path.exists(self.tmp + "/pulse/native"))
            self.pulse = self.proc
            self.spawn(["parec", "-d", "vnull.monitor", "--raw", "--format=s16le", f"--rate={RATE}", "--channels=1"],
                       lambda: os.path.getsize(self.raw) > RATE // 5, self.raw, stderr=subprocess.DEVNULL)
        self.dpy = c_void_p(X.XOpenDisplay(self.env["DISPLAY"].encode()))  # no call on it once Xvfb is gone

    def spawn(self, args, ready, log=None, checked=False, **options):
        # Starts args as self.proc and waits for ready(); ending first, or with checked, failing
        # by the end of the test fails the test with its log.
        log = log or f"{self.tmp}/{os.path.basename(args[0])}.log"
        with open(log, "wb") as out:
            proc = self.proc = subprocess.Popen(args, **{"env": self.env, "stdout": out, "stderr": out, **options})
        said = lambda: f"{args[0]} exited with {proc.returncode}; it said:\n{tail(log)}"  # noqa: E731
        self.addCleanup(lambda: (proc.terminate(), proc.wait(10)))
        self.addCleanup(lambda: not checked or proc.poll() in (None, 0) or self.fail(said()))
        return wait_until(lambda: ready() if proc.poll() is None else self.fail(said()), args[0], 60, 0.1)

    def cmd(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30).stdout

    def launch(self, progress=None, scale=1, binary=BINARY, **env):  # the game in a fresh directory, its window settled
        cwd = tempfile.mkdtemp(dir=self.tmp)
        self.file, self.log, self.scale = cwd + "/Saved Games.grm", cwd + ".log", scale
        self.write(progress) if progress is not None else None
        self.wid = self.spawn([*self.runner, binary], lambda: self.boxes("--name", "^Vasculon$"), self.log, True, cwd=cwd,
                              env=dict(self.env, **env))[0]

        self.settle()

    def settle(self):  # the window's inside and outside rectangles, once it stays put on its backdrop
        x, y, w, h = self.client = wait_still(lambda: (g := self.geometry(self.wid)) and reddish(
            self.grab(g[0] + g[2] // 2, g[1] + g[3] // 2, 1, 1).at(0, 0)) and g, "the window to settle on its backdrop")
        out = self.cmd("xprop", "-id", str(self.wid), "_NET_FRAME_EXTENTS")  # openbox's decorations
        left, right, top, bottom = map(int, re.findall(r"\d+", out.partition("=")[2]) or [0] * 4)
        self.frame = x - left, y - top, x + w + right, y + h + bottom  # the outer rectangle

    def write(self, progress):
        Path(self.file).write_bytes(bytes([progress, 0, 0, 0]) if isinstance(progress, int) else progress)

    def progress(self):
        return Path(self.file).read_bytes() if os.path.exists(self.file) else None

    def boxes(self, *criteria):  # the game's visible top-level windows (in openbox's frames) but its main window
        return [wid for wid in map(int, self.cmd("xdotool", "search", "--maxdepth", "2", "--all", "--onlyvisible", "--pid", str(
            self.proc.pid), *criteria).split()) if wid != self.wid]

    def geometry(self, wid):  # (x, y, width, height) of the window's inside, on screen
        return tuple(map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                         self.cmd("xwininfo", "-id", str(wid)))))

    def to_screen(self, cx, cy):
        return round(self.client[0] + cx * self.scale), round(self.client[1] + (BAR + cy) * self.scale)

    def grab(self, x, y, w, h):
        image = X.XGetImage(self.dpy, X.XDefaultRootWindow(self.dpy), x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        shot = Shot(ctypes.string_at(image[2], 4 * w * h))
        shot.stride = 4 * w
        X.XDestroyImage(image)
        return shot

    def shot(self):
        return self.grab(*self.to_screen(0, 0), round(W * self.scale), round(H * self.scale))

    def text(self):  # (left, right) of a black-on-white text at the centre, or False
        band = [(x, shot.at(int(x * k), int(y * k))) for shot, k in [(self.shot(), self.scale)] for y in range(288, 311)
                for x in range(184, 305)]
        white = [x for x, rgb in band if rgb == WHITE]
        return len(white) >= 30 and sum(max(rgb) < 80 for _, rgb in band) >= 10 and (min(white), max(white))

    def cursor(self):  # (width, height, hot spot, mostly green: the germ, not the arrow) of the pointer
        image = XFIXES.XFixesGetCursorImage(self.dpy)
        (w, h, *hot), pixels = image[2:6], ctypes.cast(image, POINTER(POINTER(c_ulong)))[3]  # 24 bytes in
        argb = [(p >> 24 & 255, p >> 16 & 255, p >> 8 & 255, p & 255) for p in pixels[:w * h]]
        return w, h, tuple(hot), sum(a == 255 and g > 100 and r < 60 and b < 60 for a, r, g, b in argb) > 200

    def pointer(self):
        return tuple(map(int, re.findall(r"\d+", self.cmd("xdotool", "getmouselocation"))[:2]))

    def move(self, x, y, *then):
        self.cmd("xdotool", "mousemove", str(x), str(y), *then)


    def choose(self, title, item):
        for tries in range(3, 0, -1):  # mutter may place a window it showed at the screen's corner as its first menu opens
            (x, y, _, _), (tx, items), k = self.follow(), self.menus[title], self.scale
            ix, iy = round(x + (tx + 30) * k), round(y + (29 + self.pitch * items.index(item)) * k)
            title_at = round(x + tx * k), round(y + 9 * k)
            self.move(*title_at, "click", "1")
            try:
                wait_until(lambda: self.opened(self.grab(ix, iy, 1, 1).at(0, 0)), f"the {title} menu to open",
                           30 if tries == 1 else 5)
                break
            except AssertionError:
                if tries == 1:
                    raise
                self.move(*title_at, "click", "1")  # there again: a menu open elsewhere closes
        # Still on the item for more than a frame before the click, as a player's hand: the game's
        # moves are steps from the pointer it read before the frame, which keep any motion after it.
        self.move(ix, iy)
        time.sleep(0.1)
        self.move(ix, iy, "click", "1")

    def opened(self, rgb):  # a menu's pixel where the backdrop was
        return not reddish(rgb)

    def fresh_data_file(self):  # where a game started with no progress file beside it saves, nothing there yet
        return Path(self.tmp, ".local/share/vasculon/Saved Games.grm")

    def bar(self):  # the menu bar's height on the screen
        return round(BAR * self.scale)

    def follow(self):  # the window's inside, where the window manager keeps it (a subclass may look again)
        return self.client

    def begin(self, item):  # from the Start menu: the germ at its start point, then a text's (left, right)
        self.choose("Start", item)

        def started():  # it starts centred, 150 px above the bottom
            (left, _, right, bottom), k = self.follow() and self.frame, self.scale
            return math.dist(self.pointer(), ((left + right) / 2, bottom - 150 * k)) < 4
        wait_until(started, f"{item} to start")
        return wait_until(self.text, f"the first text of {item}")

    def key(self, wid, name="Return"):  # closes a box, or the game, whose exit code launch() checks
        self.cmd("xdotool", "windowactivate", "--sync", str(wid))  # its own run: Qt sees the focus first
        self.cmd("xdotool", "key", "--clearmodifiers", name)
        wait_until(lambda: self.proc.poll() is not None if wid == self.wid else wid not in self.boxes(), name)
    close_box = key  # scripts/soak's name for it

    def death(self, known=(), *name):  # closes the new box
        self.key(self.flick(known, *name))

    def flick(self, known=(), *name):  # the pointer held left of the window (walls kill) until a new box opens
        return wait_until(lambda: self.move(max(0, self.frame[0] - 300), (self.frame[1] + self.frame[3]) // 2) or [
            wid for wid in self.boxes(*name) if wid not in known], "a death box")[0]

    # The recording. parec hands its data over late, never early, and the
    # sink runs at a steady rate: the least delayed of the marks noted at each
    # look, moved along at that rate, places any moment in it.
    def offset_at(self, when):  # byte offset of what played at monotonic time when
        self.marks.append((time.monotonic(), os.path.getsize(self.raw)))
        return max(0, int(max(at + (when - t) * 2 * RATE for t, at in self.marks))) & ~1

    def peaks(self, start, end, n=1 << 40):  # the loudest of every n samples played from start to end, or [0]
        data = Path(self.raw).read_bytes()[self.offset_at(start):self.offset_at(end)]
        samples = memoryview(data[:len(data) & ~1]).cast("h")
        return [max(map(abs, samples[i:i + n])) for i in range(0, len(samples), n)] or [0]


# The same game on a Wayland compositor, reached through a session of it
# (the case's mouse): its seat's pointer and keyboard, its screen and the
# game's windows on it. Each session has move(dx, dy) (relative motion),
# abs(x, y), click(), key(name, window), grab(x, y, w, h) (a Shot: what the
# game drew and the compositor's pointer where one is shown), windows(pid)
# ({id: (title or None, the inside's (x, y, w, h))}) and outer(client) (the
# outer rectangle the game sees).
ROOT = os.geteuid() == 0
NOBODY, AS_NOBODY = (65534, 65534), ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if ROOT else []
RING = (198, 195, 0)  # the germ image's 8 x 8 px yellow ring from (12, 12); its hot spot is at (15, 15)


def connect(session, *args):  # None while the compositor is not yet on the bus
    with contextlib.suppress(Exception):
        return session(*args)


def pixel(frame, x, y):  # (r, g, b) at (x, y) of a whole screen's BGRX frame
    return tuple(frame[4 * (1920 * y + x):][:3][::-1])


def desktop(rgb):  # mutter's desktop: blue, as nothing of the game's is
    return rgb[2] > rgb[0] + 20


def shot_of(rows, stride, x, y, w, h):  # a rectangle of a BGRX image
    shot = Shot(b"".join(rows[(y + r) * stride + 4 * x:][:4 * w] for r in range(h)))
    shot.stride = 4 * w
    return shot


class SwaySession:  # sway 1.7 headless, run as nobody (it refuses root); the mouse ours, keys from wtype, shots from grim
    user, display = AS_NOBODY, "wayland-1"

    def __init__(self, case):
        self.env = case.env
        self.env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        Path(case.tmp, "config").write_text(  # without a seat section sway takes no pointer lock
            "output HEADLESS-1 resolution 1920x1080\nseat * pointer_constraint enable\nxwayland disable\n")
        ipc = case.spawn(["sway", "-c", case.tmp + "/config"], lambda: os.path.exists(case.tmp + "/wayland-1") and glob.glob(
            case.tmp + "/sway-ipc.*.sock"), case.tmp + "/sway.log")
        self.env.update(SWAYSOCK=ipc[0])
        wait_until(lambda: '"HEADLESS-1"' in case.cmd("swaymsg", "-t", "get_outputs"), "sway's output")
        self.cmd, pointer = case.cmd, VirtualPointer(case.tmp + "/wayland-1")
        case.addCleanup(pointer.sock.close)
        self.move, self.abs, self.click = pointer.move, pointer.abs, pointer.click
        # A keyboard for the whole test: one that comes and goes with each wtype reaches the game
        # before Qt has bound it, and its keys are lost.
        case.spawn(["wtype", "-s", "3600000", ""], lambda: "virtual_keyboard" in self.cmd("swaymsg", "-t", "get_seats"))

    def key(self, name, window=None):
        self.cmd("swaymsg", f"[con_id={window}] focus") if window else None
        self.cmd("wtype", "-k", name)

    def grab(self, x, y, w, h):  # grim's RGB turned into BGRX
        ppm = subprocess.run(["grim", "-t", "ppm", "-g", f"{x},{y} {w}x{h}", "-"], env=self.env, capture_output=True,
                             timeout=30, check=True).stdout
        rgb, shot = ppm[len(ppm) - 3 * w * h:], bytearray(4 * w * h)
        shot[0::4], shot[1::4], shot[2::4] = rgb[2::3], rgb[1::3], rgb[0::3]
        return shot_of(shot, 4 * w, 0, 0, w, h)

    def windows(self, pid):  # the visible ones in sway's tree, by container id
        def walk(node):  # the node and all below it
            return [node] + [n for child in node["nodes"] + node["floating_nodes"] for n in walk(child)]
        return {n["id"]: (n["name"], (n["rect"]["x"] + n["window_rect"]["x"], n["rect"]["y"] + n["window_rect"]["y"],
                                      n["window_rect"]["width"], n["window_rect"]["height"]))
                for n in walk(json.loads(self.cmd("swaymsg", "-t", "get_tree") or "{}")) if n.get("pid") == pid and n.get("visible")}

    def moved(self, client):  # sway never moves a window it has placed
        return False

    def outer(self, client):  # sway draws the title bar and border: no client knows their size
        x, y, w, h = client
        return x, y, x + w, y + h


class MutterSession:  # GNOME's mutter 43 headless with a session bus and PipeWire of its own; Qt draws the title bar
    # mutter runs as anyone: each process it needs ends with the test's, killed by a timeout or not; game: the main window's id
    user, display, game = ["setpriv", "--pdeathsig", "TERM"], "wayland-0", "game"

    def __init__(self, case):
        from remotedesktop import Frames, RemoteDesktop  # python3-gi: only these tests need it
        self.env, bus, self.client = case.env, f"unix:path={case.tmp}/bus", None
        self.env.update(DBUS_SESSION_BUS_ADDRESS=bus)
        case.spawn(["dbus-daemon", "--session", "--nofork", "--address=" + bus], lambda: os.path.exists(case.tmp + "/bus"))
        case.spawn(["pipewire"], lambda: os.path.exists(case.tmp + "/pipewire-0"))
        case.spawn(["wireplumber"], lambda: True)
        case.spawn(["mutter", "--headless", "--wayland", "--no-x11", "--virtual-monitor", "1920x1080"],
                   lambda: os.path.exists(case.tmp + "/wayland-0"))
        remote = self.remote = wait_until(lambda: connect(RemoteDesktop, bus), "mutter's remote desktop")
        case.addCleanup(remote.stop)
        self.move, self.abs, self.click = remote.move, remote.abs, remote.click
        # The seat has no pointer and no keyboard until a first event of each: a move to the corner, out of
        # the way, and a Shift, before the game starts (a key that makes the keyboard reaches no window).
        self.abs(1919, 1079)
        remote.key("Shift_L")
        self.frames = Frames(remote.node, self.env, case.enterContext(open(case.tmp + "/gst.log", "wb")), self.user)
        case.addCleanup(lambda: (self.frames.proc.terminate(), self.frames.proc.wait(10)))
        wait_until(lambda: self.frames.last, "the screen's first frame")


    def key(self, name, window=None):  # to the window with the keyboard: a box while one is open
        self.remote.key(name)

    def grab(self, x, y, w, h):
        return shot_of(self.frames.latest(), 4 * 1920, x, y, w, h)

    def windows(self, pid):  # the game's window, once found, and the boxes seen over it or beside it
        frame = self.frames.latest()
        if not (self.client and self.shown(frame)):
            self.client = self.find_game(frame) or self.client  # the last seen while hazards hide its top row
        return {self.game: ("Vasculon", self.client), **self.find_box(frame)} if self.client and self.shown(frame) else {}

    def moved(self, client):  # a window first shown at the screen's corner may be placed later, seen at once
        return not self.shown(self.frames.last, client)

    def shown(self, frame, client=None):  # the play area's bottom row on the screen (below any box, the germ rarely
        # there), and the menu bar's corner, not the desktop: the window placed where it first showed may overlap it
        x, y, w, h = client or self.client
        return not desktop(pixel(frame, x, y)) and any(reddish(pixel(frame, x + i, y + h - 2)) for i in range(10, w - 10, 40))

    def find_box(self, frame):  # {"box": its outer rectangle as (x, y, w, h)} of a box's grey over the play area
        # Only there: mutter centres a box marked modal over its parent, and a whole screen is slow to search.
        (x, y, w, h) = self.client
        stride = 4 * w
        area = b"".join(frame[4 * (1920 * row + x):][:stride] for row in range(y + BAR, y + h))
        rows = [(i % stride // 4, i // stride) for i in (m.start() for m in re.finditer(b"(?:\xef\xef\xef.){24}", area, re.S))
                if i % 4 == 0]
        if len(rows) > 3:
            (bx, by), at = max(rows, key=lambda p: p[1]), lambda px: area[stride * by + 4 * px:][:3]  # along its bottom row
            x0 = next((bx - i for i in range(bx + 1) if bx - i == 0 or at(bx - i - 1) != b"\xef\xef\xef"))
            x1 = next((bx + i for i in range(w - bx) if bx + i == w - 1 or at(bx + i + 1) != b"\xef\xef\xef")) + 1
            top = min(p[1] for p in rows)
            return {"box": (None, (x + x0, y + BAR + top, x1 - x0, by + 1 - top))}
        return {}

    def find_game(self, frame):  # the inside of a window with the backdrop: its play area less the menu bar
        if field := re.search(b"(?:\0\0\x96.){60}", frame, re.S):  # the first row of the backdrop's middle
            x, y = field.start() % (4 * 1920) // 4, field.start() // (4 * 1920)
            at = lambda x, y: pixel(frame, x, y)  # noqa: E731
            left = next(x - i for i in range(x + 1) if not reddish(at(x - i - 1, y)))
            if reddish(at(left + W - 1, y)) and not reddish(at(left, y - 1)):
                return left, y - BAR, W, H + BAR

    def outer(self, client, frame=None):  # out from the inside to the desktop's blue or the screen's edge: Qt's decorations
        (x, y, w, h), shot = client, shot_of(frame or self.frames.latest(), 4 * 1920, 0, 0, 1920, 1080)
        edge = lambda points: next(p for p in points if not (0 <= p[0] < 1920 and 0 <= p[1] < 1080) or desktop(shot.at(*p)))  # noqa: E731
        (left, _), (_, top) = edge((x - i, y + h // 2) for i in range(1, x + 2)), edge((x + w // 2, y - i) for i in range(1, y + 2))
        (right, _), (_, bottom) = edge((x + w + i, y + h // 2) for i in range(1921)), edge((x + w // 2, y + h + i) for i in range(1081))
        return left + 1, top + 1, right, bottom


class WaylandCase(Case):
    compositor = SwaySession  # a subclass names another

    def setUp(self):
        self.tmp = self.enterContext(tempfile.TemporaryDirectory(prefix="vasculon-wl-"))
        self.chown(self.tmp)
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(
            ("QT_", "WAYLAND", "PULSE", "XAUTH", "XDG_DATA", "DISPLAY", "DBUS", "SWAYSOCK"))}
        self.env.update(XDG_RUNTIME_DIR=self.tmp, HOME=self.tmp, LC_ALL="C.UTF-8", PULSE_SERVER=f"unix:{self.tmp}/pulse/native")
        self.env.update(WAYLAND_DISPLAY=self.compositor.display)  # the tools it starts find it once it is up
        self.mouse = self.compositor(self)

    def spawn(self, args, ready, log=None, checked=False, **options):
        self.chown(options.get("cwd", self.tmp))
        return super().spawn([*self.compositor.user, *args], ready, log, checked, **options)

    def write(self, progress):
        super().write(progress)
        self.chown(self.file)

    def chown(self, path):
        os.chown(path, *NOBODY) if ROOT and self.compositor.user is AS_NOBODY else None

    def windows(self):
        return self.mouse.windows(self.proc.pid)

    def boxes(self, *criteria):  # criteria: none, or "--name", a pattern
        return [i for i, (name, _) in self.windows().items() if i != self.wid and re.search(criteria[-1] if criteria else "", name or "")]

    def geometry(self, wid):  # the window's inside on screen: (x, y, width, height), or None while it is not seen
        return self.windows().get(wid, (None, None))[1]

    def opened(self, rgb):  # nor the desktop: a window moved as its menu opened leaves the desktop where it was
        return super().opened(rgb) and not desktop(rgb)

    def settle(self):
        look = lambda: (g := self.geometry(self.wid)) and reddish(  # noqa: E731
            self.grab(g[0] + g[2] // 2, g[1] + g[3] // 2, 1, 1).at(0, 0)) and g
        # mutter may show a new window at the screen's corner first, then place it: still for a second.
        while (client := wait_still(look, "the window to settle on its backdrop")) != (time.sleep(1) or look()):
            pass
        self.client = client
        self.frame = self.mouse.outer(self.client)

    def grab(self, x, y, w, h):
        return self.mouse.grab(x, y, w, h)

    def germ(self, shot=None):  # the screen point of the drawn germ's hot spot, or None, in a shot of the window
        (x, y, w, h), at = self.client, lambda lo, hi: hi - 5 if lo == 0 else lo + 3  # its ring cut by an edge
        for left, top, right, bottom in blobs((shot or self.grab(x, y, w, h)).find(RING), 1):
            if 3 <= right - left <= 8 and 3 <= bottom - top <= 8 and max(right - left, bottom - top) == 8:
                return x + at(left, right), y + at(top, bottom)

    def pointer(self):
        return self.germ() or (-9999, -9999)

    def follow(self):  # mutter may place a window it first showed at the screen's corner only as play begins
        self.settle() if self.mouse.moved(self.client) else None
        return self.client

    def begin(self, item):
        text, start = super().begin(item), self.germ()
        # The pointer's first motion only brings it over the window, which takes the lock then; the
        # next moves the germ, by now locked. Then its place is seen to stay (a screen cast's frames
        # come late), unless the level pulls it at once.
        wait_until(lambda: self.mouse.move(1, 0) or (self.germ() or start) != start, "the germ to follow the mouse")
        with contextlib.suppress(AssertionError):
            wait_still(self.germ, "the germ to stay", 3)
        return text

    def move(self, x, y, *then):  # the germ where one is drawn, else the pointer; then a click
        at = self.germ()
        self.mouse.move(x - at[0], y - at[1]) if at else self.mouse.abs(x, y)
        self.mouse.click() if then else None

    def key(self, wid, name="Return"):
        self.mouse.key(name, wid)
        wait_until(lambda: wid not in self.windows() or wid == self.wid and self.proc.poll() is not None,
                   f"{name} to close window {wid}")
        wait_until(lambda: wid != self.wid or self.proc.poll() is not None, "the game to exit once its window closed")


# The Windows build under Wine on the same Xvfb and openbox: its windows are
# managed X windows, found and driven as the Qt host's are. What only Windows
# knows (the outer rectangle the game reckons with, a box's message) comes
# from window-list.exe, run in the same Wine session. One prefix, made once
# and reused (a fresh one takes 10-15 s): the tests that use it run one at a time.
PREFIX = os.environ.get("WINEPREFIX") or os.path.join(os.path.dirname(BINARY), "wine-e2e")
# The Saved Games known folder's Vasculon\ (Wine's user folder is named after the Unix user).
SAVED_GAMES = Path(PREFIX, "drive_c/users", getpass.getuser(), "Saved Games/Vasculon/Saved Games.grm")
LISTER = os.environ.get("VASCULON_WINDOW_LIST") or os.path.join(os.path.dirname(BINARY), "tests/e2e/window-list.exe")
# Quiet, and no offer to install Mono or Gecko that would wait for a click;
# sound through PulseAudio only, not ALSA, which has no card here and says so.
WINE_ENV = dict(WINEPREFIX=PREFIX, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=")
# Wine's menus: the titles' x, their items 17 px apart.
WINE_MENUS = {"Start": (21, MENUS["Start"][1]), "Help": (60, MENUS["Help"][1])}


class WineCase(Case):
    runner, menus, pitch, box_name = ("wine",), WINE_MENUS, 17, "^Vasculon$"
    # Wine's menu bar and menu rows at 100, 150 and 200 %: its menu font does not scale in step.
    bars, pitches = {1: BAR, 1.5: 28, 2: 37}, {1: 17, 1.5: 16, 2: 14.5}
    mute_lines = 0  # a Windows program has no terminal to say it in
    menu_escapes = 2  # Windows' menu bar keeps the keyboard when its menu closes, until a second Escape
    banners = 52, 79  # in the system font

    def setUp(self):
        if not os.path.exists(PREFIX + "/system.reg"):  # made without a display, so no window shows it
            for args in (["wineboot", "-i"], ["wineserver", "-w"]):
                subprocess.run(args, env=dict(os.environ, DISPLAY="", **WINE_ENV), capture_output=True, timeout=300)
        super().setUp()
        self.env.update(WINE_ENV)
        # Before the X server goes: every process of the prefix ended, by the prefix's own server.
        self.addCleanup(lambda: (self.wine("wineserver", "-k"), self.wine("wineserver", "-w")))

    def launch(self, progress=None, scale=1, binary=BINARY, **env):  # at a scale: the prefix's dots per inch meanwhile
        if scale != 1:
            self.dpi(round(96 * scale))
            self.addCleanup(self.dpi, 96)
        self.pitch = self.pitches[scale]
        super().launch(progress, scale, binary, **env)

    def bar(self):
        return self.bars[self.scale]

    def fresh_data_file(self):  # one prefix for every test: what an earlier one saved goes
        shutil.rmtree(SAVED_GAMES.parent, ignore_errors=True)
        return SAVED_GAMES

    def dpi(self, dots):
        self.wine("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                  str(dots), "/f")

    def wine(self, *args):  # runs args in the prefix, to their end, whatever they return
        subprocess.run(args, env=dict(self.env, **WINE_ENV), capture_output=True, timeout=120)

    def windows(self):  # [(outer rectangle, client origin, caption, children's texts)] of the visible windows
        rows = [line.split("\t") for line in self.cmd("wine", LISTER).splitlines()]
        return [(tuple(map(int, r[0].split())), tuple(map(int, r[1].split())), r[2], r[3:]) for r in rows if len(r) > 2]

    def window(self, wid):  # the row of the X window wid: its client area starts where the X window does, or below a menu bar
        x, y, _, _ = self.geometry(wid)
        return wait_until(lambda: [w for w in self.windows() if w[1] in ((x, y), (x, y + self.bar()))],
                          f"window {wid} in Wine")[0]

    def settle(self):  # the game's own outer rectangle: Wine's borders are not openbox's
        super().settle()
        self.frame = self.window(self.wid)[0]

    def death(self, known=(), *name):  # and the box, under the game's caption, says why (xdotool ignores case)
        box = self.flick(known, *name)
        _, _, caption, texts = self.window(box)
        self.assertEqual((caption, "You have been disinfected!" in texts), ("Vasculon", True), texts)
        self.key(box)


if WINE:  # every session of the tests runs the Windows build
    Case = WineCase  # noqa: F811
