# The game as a player meets it, without a sound server: the window, the ways
# to close it, the countdown, the germ as the pointer, the walls, the progress
# file, the Help boxes, and a start without a display.
import os
import subprocess
import time

import harness
from harness import BAR, H, W, near, reddish, wait_until

FIELD, WALL = (150, 0, 0), (100, 0, 0)


def is_germ(shape):  # mostly green, with some yellow
    pixels = [rgba for rgba in shape[3] if rgba[3] == 255]
    return sum(g > 100 and r < 60 and b < 60 for r, g, b, _ in pixels) > 200 and sum(
        r > 150 and g > 150 and b < 60 for r, g, b, _ in pixels) > 5


class PlayerTest(harness.Case):

    def test_without_a_display_options_answer_and_the_game_fails_in_one_line(self):
        # (arguments, DISPLAY, exit code, says something on stdout, lines on stderr)
        for args, display, *expected in (([], None, 1, False, 1), ([], ":4321", 1, False, 1),
                                         (["--help"], None, 0, True, 0), (["--version"], None, 0, True, 0),
                                         (["--bogus"], ":4321", 2, False, 1)):
            env = {k: v for k, v in self.env.items() if k != "DISPLAY"} | ({"DISPLAY": display} if display else {})
            done = subprocess.run([harness.BINARY, *args], cwd=self.tmp, env=env, capture_output=True, text=True,
                                  timeout=30)
            self.assertEqual([done.returncode, bool(done.stdout.strip()), len(done.stderr.splitlines())],
                             expected, done)

    def test_window_countdown_germ_walls_deaths_new_games_and_enter_in_a_countdown(self):
        self.launch()
        x, y, width, height = self.client
        self.assertEqual((width, height), (W, H + BAR))
        left, top, right, bottom = self.frame
        self.assertLessEqual(abs(left + right - 1920), 6, "not centred across")
        # The title bar may or may not count in the centring down the screen.
        self.assertLessEqual(abs(top + bottom - 1080), y - top + 6, "not centred down")
        shot = self.grab(x, y + BAR - 1, W, H + 1)
        self.assertFalse(reddish(shot.at(W // 2, 0)), "backdrop under the menu bar")
        for cy in (1, H // 2, H):  # walls dark at the edges, the field between
            self.assertEqual([shot.at(cx, cy) for cx in (0, 50, 244, W - 51, W - 1)],
                             [WALL, FIELD, FIELD, FIELD, WALL], f"row {cy - 1}")

        self.move(*self.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.cursor()), "the arrow while idle")
        self.assertIsNone(self.text(), "a text before any game")
        self.choose("Start", "New Game")
        texts = [wait_until(self.text, "the countdown")]
        self.assertIsNone(self.progress(), "progress saved before the countdown ended")

        def words():  # distinct centre texts in order, until the centre is clear
            text = self.text()
            texts.extend([text] if text and text not in texts else [])
            return not text
        wait_until(words, "the countdown to end", interval=0.01)
        widths = [right - left for left, right in texts]  # "Set" narrowest, "INFECT!" widest
        self.assertTrue(len(texts) == 3 and widths[1] < widths[0] < widths[2], texts)
        # Level 1 moves no pointer: the countdown's start point still holds.
        self.assertTrue(near(self.pointer(), self.start_point()), self.start_point())
        self.assertEqual(self.cursor()[:3], (32, 32, (15, 15)))
        self.assertTrue(is_germ(self.cursor()), "the pointer is not the germ in a game")
        self.move(*self.to_screen(300, -10))
        wait_until(lambda: is_germ(self.cursor()), "the germ over the menu bar too")
        wait_until(lambda: self.progress() == bytes(4), "progress 0 saved")
        self.close_box(self.death()[0])

        self.choose("Start", "New Game")  # again, after a death
        wait_until(self.text, "a new countdown")
        self.move(left, (top + bottom) // 2)
        wait_until(lambda: self.pointer()[0] >= left + 150, "a push of 150 px to the right")
        box = self.death()
        self.assertEqual([self.name(wid) for wid in box], [os.path.basename(harness.BINARY)])
        self.close_box(box[0])
        self.move(*self.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.cursor()), "the arrow after a death")
        self.choose("Start", "New Game")
        wait_until(self.text, "a third countdown")
        self.key(self.wid, "Return")
        self.assertEqual(self.proc.wait(15), 0)
        self.assertEqual(len(harness.tail(self.log).splitlines()), 1, "not one line on no sound")

    def test_short_file_then_an_edit_unlocks_level_2_played_on_behind_help_boxes_then_escape(self):
        self.launch(bytes([3, 0]))
        time.sleep(1)  # some idle frames read the short file
        self.assertEqual(self.boxes(), [], "a box about the short file")
        self.write(3)
        time.sleep(1)  # and some read the edited one
        self.choose("Start", "Level 2")
        wait_until(lambda: near(self.pointer(), self.start_point()), "Level 2's start point")
        self.choose("Help", "Instructions")
        box, = wait_until(self.boxes, "the instructions box")
        self.assertEqual(self.name(box), os.path.basename(harness.BINARY))
        # Moved beside the game window, so the play area shows; the drifters go on falling.
        self.cmd("xdotool", "windowmove", "--sync", str(box), str(self.frame[0] - self.geometry(box)[2] - 20), "100")
        first = self.shot().data
        wait_until(lambda: self.shot().data != first, "the play area to change behind the box")
        death = self.death()
        self.assertEqual(len(death), 1, "not one death message")
        self.close_box(death[0])
        self.assertEqual(self.boxes(), [box], "the instructions went, or another box stayed")
        self.close_box(box)
        self.assertEqual(self.progress(), bytes([3, 0, 0, 0]), "a death wrote the file")
        self.choose("Help", "About Vasculon")
        about, = wait_until(self.boxes, "the About box")
        self.assertEqual(self.name(about), "About Vasculon")
        self.close_box(about)
        self.key(self.wid, "Escape")
        self.assertEqual(self.proc.wait(15), 0)


if __name__ == "__main__":
    harness.main()
