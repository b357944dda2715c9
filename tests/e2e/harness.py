"""Starts the real game on a private X server and plays it from outside.

The game keeps its progress file in its current directory, so every launch
gets a fresh working directory. Positions are client-relative unless a name
says screen.
"""
import os
import subprocess
import sys
import tempfile
import unittest

from xtools import STARTUP_TIMEOUT, XServer, missing_tools, stop_process, wait_until

CLIENT_W, CLIENT_H = 489, 581
MENU_BAR_H = 19  # Fusion style with DejaVu Sans
PROGRESS_FILE = "Saved Games.grm"
FIELD_RED = (150, 0, 0)
WALL_RED = (100, 0, 0)

# Menu geometry, relative to the top-left of the window's inside (the menu
# bar's top-left), measured once from screenshots.
MENU_TITLES = {"Start": (22, 9), "Help": (67, 9)}
MENU_ITEMS = {
    "Start": ["New Game", "Level 2", "Level 3", "Level 4", "Level 5",
              "Level 6", "Level 7", "Level 8", "Level 9", "Final Level",
              "Ending Act"],
    "Help": ["Instructions", "About Vasculon"],
}
MENU_FIRST_ITEM_Y = 29   # centre of the first item
MENU_ITEM_STEP = 22      # from one item's centre to the next
MENU_ITEM_X = 30         # from the title's centre into the item's text


def near(point, expected, tolerance=2):
    return all(abs(a - b) <= tolerance for a, b in zip(point, expected))


def is_reddish(rgb):
    """True for the backdrop's dark reds (no green, no blue)."""
    return rgb[0] >= 90 and rgb[1] == 0 and rgb[2] == 0


class Game:
    """One run of the binary, from launch to exit."""

    def __init__(self, xserver, binary, progress=None, env=None):
        self.x = xserver
        self.env = dict(xserver.env, **(env or {}))
        self.binary = binary
        self.cwd = tempfile.mkdtemp(dir=xserver.tmp, prefix="cwd-")
        if progress is not None:
            with open(self.progress_path, "wb") as file:
                file.write(progress)
        self.proc = None
        self.wid = None
        self.log_path = self.cwd + ".log"

    @property
    def progress_path(self):
        return os.path.join(self.cwd, PROGRESS_FILE)

    def start(self):
        with open(self.log_path, "wb") as log:
            self.proc = subprocess.Popen([self.binary], cwd=self.cwd,
                                         env=self.env, stdout=log,
                                         stderr=subprocess.STDOUT)
        self.wid = wait_until(self._window_if_running, STARTUP_TIMEOUT,
                              "the game window", 0.1)
        self._wait_until_placed()
        return self

    def _window_if_running(self):
        if self.proc.poll() is not None:
            raise AssertionError(f"the game exited with {self.proc.returncode} "
                                 f"before showing its window:\n{self.log()}")
        out = self.x.run(["xdotool", "search", "--onlyvisible", "--name",
                          "^Vasculon$"], check=False).split()
        mine = set(self.x.windows_of(self.proc.pid))
        ids = [int(wid) for wid in out if int(wid) in mine] or [int(w) for w in out]
        return ids[0] if ids else None

    def _wait_until_placed(self):
        """Waits until the window stands still and its backdrop is painted."""
        last = [None]

        def settled():
            now = self.x.geometry(self.wid)
            still = now == last[0]
            last[0] = now
            return still and is_reddish(self.pixel(CLIENT_W // 2, CLIENT_H // 2))
        wait_until(settled, STARTUP_TIMEOUT, "the window to settle with its backdrop", 0.2)

    def output(self):
        """Everything the game wrote to stdout and stderr so far."""
        try:
            with open(self.log_path, "rb") as file:
                return file.read().decode(errors="replace")
        except OSError:
            return ""

    def log(self):
        return self.output()[-2000:]

    def stop(self):
        stop_process(self.proc)

    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the game still runs after {timeout} s") from None

    # --- geometry -------------------------------------------------------

    def inside_origin(self):
        """Screen position of the top-left of the window's inside (menu bar)."""
        x, y, _, _ = self.x.geometry(self.wid)
        return x, y

    def to_screen(self, cx, cy):
        x, y = self.inside_origin()
        return x + cx, y + MENU_BAR_H + cy

    def outer_rect(self):
        return self.x.outer_rect(self.wid)

    def start_point(self):
        """Where a new game puts the pointer: centred, 150 px above the bottom."""
        left, _, right, bottom = self.outer_rect()
        return (left + right) // 2, bottom - 150

    # --- pixels ---------------------------------------------------------

    def shot(self):
        """The client area; Shot.client_pixel reads it in client coordinates."""
        x, y = self.to_screen(0, 0)
        shot = self.x.grab(x, y, CLIENT_W, CLIENT_H)
        shot.client_pixel = lambda cx, cy: shot.pixel(x + cx, y + cy)
        return shot

    def pixel(self, cx, cy):
        sx, sy = self.to_screen(cx, cy)
        return self.x.grab(sx, sy, 1, 1).pixel(sx, sy)

    # --- menus and boxes ------------------------------------------------

    def choose(self, title, item):
        """Opens a menu of the menu bar and clicks one of its items."""
        ox, oy = self.inside_origin()
        tx, ty = MENU_TITLES[title]
        ix = ox + tx + MENU_ITEM_X
        iy = oy + MENU_FIRST_ITEM_Y + MENU_ITEM_STEP * MENU_ITEMS[title].index(item)
        self.x.click(ox + tx, oy + ty)
        # The popup covers the backdrop where the item is.
        wait_until(lambda: not is_reddish(self.x.grab(ix, iy, 1, 1).pixel(ix, iy)),
                   10, f"the {title} menu to open", 0.05)
        self.x.click(ix, iy)

    def boxes(self):
        """Visible windows of the game other than the game window."""
        return [wid for wid in self.x.windows_of(self.proc.pid) if wid != self.wid]

    def wait_box(self, timeout=15, what="a box of the game"):
        return wait_until(lambda: (self.boxes() or [None])[0], timeout, what, 0.1)

    def die_at_the_wall(self, known=()):
        """Holds the pointer left of the window until boxes other than the
        known ones open (the death message); returns them."""
        left, top, _, bottom = self.outer_rect()

        def keep_outside():
            self.x.move_pointer(max(0, left - 300), (top + bottom) // 2)
            return [wid for wid in self.boxes() if wid not in known]
        return wait_until(keep_outside, 10, "the death message", 0.05)

    def close_box(self, wid):
        self.x.key(wid, "Return")
        wait_until(lambda: wid not in self.boxes(), 10, "the box to close", 0.1)


class GameTestCase(unittest.TestCase):
    """One X server per test class; one fresh game per launch()."""

    @classmethod
    def setUpClass(cls):
        missing = missing_tools()
        if missing:
            raise unittest.SkipTest("needs " + ", ".join(missing))
        cls.binary = os.environ.get("VASCULON_BINARY", "")
        cls.x = XServer().start()

    @classmethod
    def tearDownClass(cls):
        cls.x.stop()

    def launch(self, progress=None, env=None):
        """Starts the game; env adds to or overrides the X server's environment."""
        self.assertTrue(os.access(self.binary, os.X_OK),
                        f"no game binary at {self.binary!r}")
        game = Game(self.x, self.binary, progress, env)
        self.addCleanup(game.stop)
        self.addCleanup(self.check_no_crash, game)
        return game.start()

    def check_no_crash(self, game):
        """A game that ended on its own must have ended cleanly."""
        code = game.proc.poll() if game.proc else None
        if code not in (None, 0):
            self.fail(f"the game exited with {code}:\n{game.log()}")


def main():
    """Runs a test file: python3 test_x.py /path/to/vasculon [unittest args]."""
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        os.environ["VASCULON_BINARY"] = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
