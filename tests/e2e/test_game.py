# The game as a player meets it, without a sound server: the window, the ways
# to close it, the countdown, the germ as the pointer, the walls, the progress
# file, the Help boxes and a start without a display; and at twice the scale
# on a 4K screen, the same sizes and walls, drawn at the screen's resolution.
import os, subprocess, time  # noqa: E401

import harness
from harness import BAR, H, RED, W, near, reddish, wait_until

FIELD, WALL, GAME = (150, 0, 0), (100, 0, 0), os.path.basename(harness.BINARY)


def is_germ(shape):  # mostly green, unlike the arrow
    return sum(a == 255 and g > 100 and r < 60 and b < 60 for r, g, b, a in shape[3]) > 200


class PlayerTest(harness.Case):

    def test_without_a_display_options_answer_and_the_game_fails_in_one_line(self):
        # (arguments, DISPLAY, exit code, says something on stdout, lines on stderr, each ended)
        for args, display, *expected in (([], "", 1, False, 1), ([], ":4321", 1, False, 1), (["--bogus"], ":4321", 2,
                                         False, 1), (["--help"], "", 0, True, 0), (["--version"], "", 0, True, 0)):
            env = {k: v for k, v in self.env.items() if k != "DISPLAY"} | ({"DISPLAY": display} if display else {})
            done = subprocess.run([harness.BINARY, *args], cwd=self.tmp, env=env, capture_output=True, text=True,
                                  timeout=30)
            self.assertEqual([done.returncode, bool(done.stdout.strip()), done.stderr.count("\n")], expected, done)

    def test_a_player_from_a_short_file_through_countdown_walls_deaths_help_boxes_and_an_edited_file(self):
        self.launch(bytes([3, 0]))  # too short: read as no progress, and survived
        (x, y, width, height), (left, top, right, bottom) = self.client, self.frame
        # Centred; the title bar may or may not count in the centring down the screen.
        self.assertTrue((width, height) == (W, H + BAR) and abs(left + right - 1920) <= 6 and
                        abs(top + bottom - 1080) <= y - top + 6, (self.client, self.frame))
        shot = self.grab(x, y + BAR - 1, W, H + 1)  # from the menu bar's last row: no backdrop under it
        self.assertEqual([[shot.at(cx, cy) for cx in (0, 50, 244, W - 51, W - 1)] for cy in (1, H // 2, H)],
                         [[WALL, FIELD, FIELD, FIELD, WALL]] * 3)  # dark walls at the edges
        self.assertFalse(reddish(shot.at(W // 2, 0)), "backdrop under the menu bar")
        self.move(*self.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.cursor()), "the arrow while idle")
        texts = [self.begin("New Game")]
        self.assertEqual(self.progress(), bytes([3, 0]), "progress saved before the countdown ended")
        # Its words in order, until the centre is clear: "Set" narrowest, "INFECT!" widest.
        wait_until(lambda: (text := self.text()) not in texts and texts.append(text) or not text, "its end", 30, 0.01)
        widths = [b - a for a, b in texts[:-1]]
        self.assertTrue(len(widths) == 3 and widths[1] < widths[0] < widths[2], texts)
        self.assertEqual((*self.cursor()[:3], is_germ(self.cursor())), (32, 32, (15, 15), True), "germ")
        self.move(*self.to_screen(300, -10))
        wait_until(lambda: is_germ(self.cursor()), "the germ over the menu bar too")
        wait_until(lambda: self.progress() == bytes(4), "progress 0 saved")
        self.close_box(self.death()[0])

        self.begin("New Game")  # again, after a death: in its countdown the walls push
        self.move(left, (top + bottom) // 2)
        wait_until(lambda: self.pointer()[0] >= left + 150, "a push of 150 px to the right")
        self.choose("Help", "Instructions")
        box, = wait_until(self.boxes, "the instructions box")
        death = self.death([box])  # the game goes on behind it
        self.assertEqual([self.cmd("xdotool", "getwindowname", str(wid)) for wid in death], [GAME + "\n"])
        self.close_box(death[0])
        self.assertEqual(self.boxes(), [box], "the instructions went, or another box stayed")
        self.close_box(box)
        self.move(*self.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.cursor()), "the arrow after a death")
        self.choose("Help", "About Vasculon")
        about, = wait_until(self.boxes, "the About box")
        self.assertEqual(self.cmd("xdotool", "getwindowname", str(about)), "About Vasculon\n")
        self.close_box(about)

        self.write(3)
        time.sleep(1)  # idle frames read the edited file: Level 2 is open
        self.begin("Level 2")
        self.close_box(self.death()[0])
        self.begin("New Game")
        self.quit("Return")
        self.assertEqual(len(harness.tail(self.log).splitlines()), 1, "not one line on no sound")


class HiDpiTest(harness.Case):
    screen = "3840x2160"

    def test_scale_2_sizes_start_point_walls_and_sharp_drifters_then_alt_f4(self):
        self.launch(scale=2, QT_SCALE_FACTOR="2")
        self.assertEqual(self.client[2:], (978, 2 * BAR + 1162))
        self.choose("Start", "New Game")
        wait_until(lambda: near(self.pointer(), self.start_point()), "the start point")
        left, top, right, bottom = self.frame
        for edge in (((left + right) // 2, top), ((left + right) // 2, bottom - 1),  # the outermost pixels
                     (left, (top + bottom) // 2), (right - 1, (top + bottom) // 2)):
            self.move(*edge)
            wait_until(lambda: not near(self.pointer(), edge, 100), f"a push from {edge}")
            harness.wait_still(self.pointer, "the push to end")

        def sharp():  # red runs of the drifters that start in an odd column: not drawn in 2 x 2 blocks
            red = set(self.shot().find(RED))
            return sum(x % 2 and (x - 1, y) not in red for x, y in red) > 20
        wait_until(sharp, "drifters drawn at the screen's resolution")
        self.close_box(self.death()[0])
        self.quit("alt+F4")  # at the menu


if __name__ == "__main__":
    harness.unittest.main(verbosity=2)
