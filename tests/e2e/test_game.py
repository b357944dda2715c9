# The game as a player meets it, without a sound server: the window, the ways
# to close it, the countdown, the germ as the pointer, the walls, the progress
# file, the Help boxes and a start without a display; and at twice the scale
# on a 4K screen, the same sizes and walls, drawn at the screen's resolution;
# at one and a half, moves that land on their game pixels.
import math, os, re, subprocess, time  # noqa: E401
from pathlib import Path

from harness import BAR, BINARY, FIELD, WALL, Case, H, RED, W, WINE, reddish, tail, wait_still, wait_until


class PlayerTest(Case):

    def test_without_a_display_options_answer_and_the_game_fails_in_one_line(self):
        # (arguments, DISPLAY, WAYLAND_DISPLAY, exit code, says something on stdout, lines on stderr, each ended)
        for arg, display, wayland, *expected in (
                ("", "", "", 1, 0, 1), ("", ":4321", "", 1, 0, 1), ("", "", "nothing-here", 1, 0, 1),
                ("--bogus", ":4321", "", 2, 0, 1), ("--help", "", "", 0, 1, 0), ("--version", "", "", 0, 1, 0)):
            done = subprocess.run([BINARY, *arg.split()], cwd=self.tmp, env=dict(  # an empty DISPLAY is none
                self.env, DISPLAY=display, WAYLAND_DISPLAY=wayland), capture_output=True, text=True, timeout=30)
            self.assertEqual([done.returncode, bool(done.stdout.strip()), done.stderr.count("\n")], expected, done)

    def test_a_player_from_a_short_file_through_countdown_walls_deaths_help_boxes_and_an_edited_file(self):
        self.launch(bytes([3, 0]))  # too short: read as no progress, and survived
        (x, y, width, height), (left, top, right, bottom) = self.client, self.frame
        shot = self.grab(x, y + BAR - 1, W, H + 1)  # from the menu bar's last row: no backdrop under it
        # Centred; the title bar may or may not count in the centring down the screen. Dark walls at the edges.
        self.assertTrue((width, height) == (W, H + BAR) and abs(left + right - 1920) <= 6 and not reddish(shot.at(
            W // 2, 0)) and abs(top + bottom - 1080) <= y - top + 6, (self.client, self.frame))
        self.assertEqual([[shot.at(cx, cy) for cx in (0, 50, 244, W - 51, W - 1)] for cy in (1, H // 2, H)],
                         [[WALL, FIELD, FIELD, FIELD, WALL]] * 3)
        texts = [self.begin("New Game")]
        self.assertEqual(self.progress(), bytes([3, 0]), "progress saved before the countdown ended")
        # Its three words in order, until the centre is clear: "Set" narrowest, "INFECT!" widest.
        wait_until(lambda: (text := self.text()) not in texts and texts.append(text) or not text, "its end", 30, 0.01)
        self.assertEqual(sorted(range(len(texts) - 1), key=lambda i: texts[i][1] - texts[i][0]), [1, 0, 2], texts)
        self.assertEqual(self.cursor(), (32, 32, (15, 15), True), "the germ")
        wait_until(lambda: self.move(*self.to_screen(300, -10)) or self.cursor()[3], "the germ over the menu bar")
        wait_until(lambda: self.progress() == bytes(4), "progress 0 saved")
        self.death()

        self.begin("New Game")  # again, after a death: in its countdown the walls push
        self.move(left, (top + bottom) // 2)
        wait_until(lambda: self.pointer()[0] >= left + 150, "a push of 150 px to the right")
        self.choose("Help", "Instructions")
        box, = wait_until(self.boxes, "the instructions box")
        self.death([box], "--name", self.box_name)  # the game goes on behind it
        self.assertEqual(self.boxes(), [box], "the instructions went, or another box stayed")
        self.key(box)
        wait_until(lambda: self.move(*self.to_screen(244, 100)) or not self.cursor()[3], "the arrow after death")
        self.choose("Help", "About Vasculon")
        self.key(wait_until(lambda: self.boxes("--name", "^About Vasculon$"), "the About box")[0])

        self.write(3)
        time.sleep(1)  # idle frames read the edited file: Level 2 is open
        self.begin("Level 2")
        self.key(self.wid, "Return")
        self.assertEqual(len(tail(self.log).splitlines()), self.mute_lines, "not what it says on no sound")

    def test_enter_opens_a_title_highlighted_by_alt_or_f10_escape_leaves_it_and_both_close_the_game_after_a_menu(self):
        for name, highlight in (("Escape", "alt"), ("Return", "F10")):
            self.wid = None  # the next game's window may get the same id
            self.launch()
            if WINE:  # Windows' own menu-bar keys: the menu closes on Escape, the game on the key after
                (x, y, _, _), start = self.client, self.menus["Start"][0]
                item = x + start + 30, y + 29  # Start's first item
                self.move(x + start, y + 9, "click", "1")
                wait_until(lambda: not reddish(self.grab(*item, 1, 1).at(0, 0)), "the Start menu to open")
                self.cmd("xdotool", "key", *["Escape"] * self.menu_escapes)
                wait_until(lambda: reddish(self.grab(*item, 1, 1).at(0, 0)), "the Start menu to close")
                self.key(self.wid, name)
                continue
            (x, y, _, _) = self.client
            start_menu = lambda: not reddish(self.grab(x + 52, y + 29, 1, 1).at(0, 0))  # its first item  # noqa: E731
            self.cmd("xdotool", "windowactivate", "--sync", str(self.wid))
            for keys in ([highlight, "Escape", highlight, "Return"], ["Escape"], ["click"], ["Escape"]):
                # The game stays on Escape and the menu opens; closed with Escape; opened by a click; closed.
                self.move(x + 22, y + 9, "click", "1") if keys == ["click"] else self.cmd("xdotool", "key", *keys)
                wait_until(lambda: start_menu() != (keys == ["Escape"]), f"{keys} to open or close the Start menu")
            self.key(self.wid, name)  # the game closes: a menu closed with Escape left the keyboard with the bar

    def test_the_window_class_names_the_desktop_entry(self):
        # A dock matches the window to its menu entry, and so to its name and icon, by this class.
        self.launch()
        out = self.cmd("xprop", "-id", str(self.wid), "WM_CLASS").partition("=")[2]
        entry = Path(__file__).parents[2] / "packaging/org.example.vasculon.desktop"
        wanted = re.findall(r"^StartupWMClass=(.*?)\s*$", entry.read_text(), re.M)
        self.assertEqual([name.strip(' "') for name in out.strip().split(",")][1:], wanted, out)


class HiDpiTest(Case):
    screen = "3840x2160"

    def test_scale_2_sizes_start_point_walls_sharp_drifters_and_a_killing_flick_then_alt_f4(self):
        saved = self.fresh_data_file()
        self.launch(scale=2, QT_SCALE_FACTOR="2")
        self.assertEqual(self.client[2:], (978, self.bar() + 1162))
        self.begin("New Game")
        (left, top, right, bottom), (x, y) = self.frame, self.pointer()  # the start point
        # On each wall's outermost pixel, or the first past it: the outer rectangle's right and bottom are
        # exclusive, and at 200 % their last device pixel is in the game's last pixel or not, as they fall.
        for edge in ((x, top), (x, bottom), (left, y), (right, y)):
            self.move(*edge)
            wait_until(lambda: math.dist(self.pointer(), edge) > 100, f"a push from {edge}")
            wait_still(self.pointer, "the push to end")
        self.assertEqual(self.boxes(), [], "a single touch of each wall killed")

        # Red runs of the drifters that start in an odd column: not drawn in 2 x 2 blocks.
        wait_until(lambda: sum(x % 2 and (x - 1, y) not in red for red in [set(self.shot().find(RED))]
                               for x, y in red) > 20, "drifters drawn at the screen's resolution")
        # A flick kills, if a drifter has not met the parked germ first: either way, back to the idle
        # game, whose Alt+F4 no death box can block.
        self.death()
        self.key(self.wid, "alt+F4")
        # Started where no progress file was: the countdown's save went to the player's data folder.
        self.assertEqual((self.progress(), saved.read_bytes()), (None, bytes(4)))

    def test_scale_1_5_the_start_point_pushes_and_pulls_land_on_their_game_pixels(self):
        self.launch(8, scale=1.5, QT_SCALE_FACTOR="1.5")
        game, first = (lambda p: [math.floor(c / 1.5) for c in p]), (lambda g: [math.ceil(c * 1.5) for c in g])
        seen, pulls, end = [], 0, time.monotonic() + 120
        while pulls < 3:  # a death (a drifter, the chaser) starts the level again
            self.begin("Level 7")
            (left, y), at = (self.frame[0], self.pointer()[1]), self.pointer()
            self.assertEqual(first(game(at)), list(at), "the start point")
            # From the second device pixel of a game pixel past the left wall: pushed 200 px, in 20 px steps.
            self.move(x := next(v for v in range(left - 3, left) if v % 3 == 1), y)
            seen = [(x, y)]
            while pulls < 3 and not self.boxes() and time.monotonic() < end:
                if (at := self.pointer()) != seen[-1]:  # then the grabber's 5 px pulls, both axes at once
                    dx, dy = [a - b for a, b in zip(game(at), game(seen[-1]))]
                    seen.append(at)
                    self.assertTrue(first(game(at)) == list(at) and dx % 5 == dy % 5 == 0, seen)
                    pulls += dx != 0 != dy
            self.assertLess(time.monotonic(), end, f"no grab seen: {seen}")
            self.key(self.boxes()[0]) if self.boxes() else None
        self.assertGreaterEqual(max(p[0] for p in seen), x + 299, f"no push: {seen}")
