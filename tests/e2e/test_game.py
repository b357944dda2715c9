# The game as a player meets it, without a sound server: the window, the ways
# to close it, the countdown, the germ as the pointer, the walls, the progress
# file, the Help boxes, and a start without a display.
import os
import subprocess
import tempfile
import time

import harness
from harness import CLIENT_H, CLIENT_W, DRIFTER_RED, MENU_BAR_H, blobs, near, reddish, wait_until

FIELD, WALL = (150, 0, 0), (100, 0, 0)


def is_germ(shape):
    pixels = [rgba for rgba in shape[3] if rgba[3] == 255]
    green = sum(g > 100 and r < 60 and b < 60 for r, g, b, _ in pixels)
    return green > 200 and sum(r > 150 and g > 150 and b < 60 for r, g, b, _ in pixels) > 5


class PlayerTest(harness.GameTest):

    def test_window_then_enter_escape_alt_f4_and_enter_in_a_countdown_exit_0(self):
        for key, countdown in (("Return", False), ("Escape", False), ("alt+F4", False),
                               ("Return", True)):
            with self.subTest(key=key, countdown=countdown):
                game = self.launch()
                if countdown:
                    game.choose("Start", "New Game")
                    wait_until(game.text, 10, "the countdown")
                elif key == "Escape":
                    self.check_window(game)
                self.x.key(game.wid, key)
                self.assertEqual(game.proc.wait(15), 0)

    def check_window(self, game):
        x, y, width, height = self.x.geometry(game.wid)
        self.assertEqual((width, height), (CLIENT_W, CLIENT_H + MENU_BAR_H))
        left, top, right, bottom = game.outer()
        self.assertLessEqual(abs(left + right - 1920), 6, "not centred across")
        # The title bar may or may not count in the centring down the screen.
        self.assertLessEqual(abs(top + bottom - 1080), y - top + 6, "not centred down")
        shot = self.x.grab(x, y + MENU_BAR_H - 1, CLIENT_W, CLIENT_H + 1)
        self.assertFalse(reddish(shot.at(CLIENT_W // 2, 0)), "backdrop under the menu bar")
        for cy in (1, CLIENT_H // 2, CLIENT_H):  # walls dark at the edges, the field between
            self.assertEqual([shot.at(cx, cy) for cx in (0, 50, 244, CLIENT_W - 51, CLIENT_W - 1)],
                             [WALL, FIELD, FIELD, FIELD, WALL], f"row {cy - 1}")

    def test_without_a_display_options_answer_and_the_game_fails_in_one_line(self):
        # (arguments, DISPLAY, exit code, says something on stdout, lines on stderr)
        for args, display, code, out, err in (([], None, 1, False, 1), ([], ":4321", 1, False, 1),
                                              (["--help"], None, 0, True, 0),
                                              (["--version"], None, 0, True, 0),
                                              (["--bogus"], ":4321", 2, False, 1)):
            with self.subTest(args=args, display=display):
                env = {k: v for k, v in os.environ.items()
                       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
                env.update({"DISPLAY": display} if display else {})
                with tempfile.TemporaryDirectory() as cwd:
                    done = subprocess.run([harness.BINARY, *args], cwd=cwd, env=env, text=True,
                                          capture_output=True, timeout=30)
                self.assertEqual((done.returncode, bool(done.stdout.strip()),
                                  len(done.stderr.splitlines())), (code, out, err), done)

    def test_countdown_level_1_walls_death_and_a_new_game(self):
        game = self.launch()
        self.x.move(*game.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.x.cursor()), 5, "the arrow while idle")
        self.assertIsNone(game.text(), "a text before any game")
        game.choose("Start", "New Game")
        wait_until(game.text, 10, "the countdown")
        self.assertIsNone(game.progress(), "progress saved before the countdown ended")
        texts = game.texts()
        widths = [right - left for left, right in texts]  # "Set" narrowest, "INFECT!" widest
        self.assertTrue(len(texts) == 3 and widths[1] < widths[0] < widths[2], texts)
        # Level 1 moves no pointer: the countdown's start point still holds.
        self.assertTrue(near(self.x.pointer(), game.start_point()), game.start_point())
        self.assertEqual(self.x.cursor()[:3], (32, 32, (15, 15)))
        self.assertTrue(is_germ(self.x.cursor()), "the pointer is not the germ in a game")
        self.x.move(*game.to_screen(300, -10))
        wait_until(lambda: is_germ(self.x.cursor()), 5, "the germ over the menu bar too")
        wait_until(lambda: game.progress() == bytes(4), 10, "progress 0 saved")
        game.close_box(game.new_boxes("a death", outside=True)[0])

        game.choose("Start", "New Game")  # again, after a death
        wait_until(game.text, 10, "a new countdown")
        left, top, _, bottom = game.outer()
        self.x.move(left, (top + bottom) // 2)
        wait_until(lambda: self.x.pointer()[0] >= left + 150, 5, "a push of 150 px to the right")
        box = game.new_boxes("a death at the walls", outside=True)
        self.assertEqual([self.x.name(wid) for wid in box], [os.path.basename(harness.BINARY)])
        game.close_box(box[0])
        self.x.move(*game.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.x.cursor()), 5, "the arrow after a death")
        self.assertEqual(len(harness.tail(game.log).splitlines()), 1, "not one line on no sound")

    def test_short_file_then_an_edit_unlocks_level_2_whose_drifters_kill(self):
        game = self.launch(progress=bytes([3, 0]))
        time.sleep(1)  # some idle frames read the short file
        self.assertEqual(game.boxes(), [], "a box about the short file")
        game.write(3)
        time.sleep(1)  # and some read the edited one
        game.choose("Start", "Level 2")
        wait_until(lambda: near(self.x.pointer(), game.start_point()), 10, "the start point")
        titles = []

        def outlined_drifter():
            shot = game.shot()
            titles.extend({game.text(shot)} - {None} - set(titles))
            # A disc wholly in view whose red fill meets a black row above it.
            return any(shot.at((l + r) // 2, t - 1) == harness.BLACK
                       for l, t, r, b in blobs(shot.find(DRIFTER_RED)) if t > 5 and b - t > 20)
        wait_until(outlined_drifter, 20, "red drifters outlined in black", 0.01)
        self.assertEqual(len(titles), 1, f"one title, not the countdown's words: {titles}")
        placed = [0.0]

        def under_a_drifter():  # the pointer 120 px below the topmost drifter, every 3 s
            discs = blobs(game.shot().find(DRIFTER_RED))
            if discs and time.monotonic() - placed[0] > 3:
                left, top, right, _ = min(discs, key=lambda disc: disc[1])
                self.x.move(*game.to_screen(min(max((left + right) // 2, 20), CLIENT_W - 20),
                                            min(top + 120, CLIENT_H - 40)))
                placed[0] = time.monotonic()
            return game.boxes()
        game.close_box(wait_until(under_a_drifter, 30, "a drifter to kill the germ", 0.1)[0])
        self.assertEqual(game.progress(), bytes([3, 0, 0, 0]), "a death wrote the file")

    def test_instructions_over_a_countdown_a_death_behind_them_then_about(self):
        game = self.launch()
        game.choose("Start", "New Game")
        wait_until(game.text, 10, "the countdown")
        game.choose("Help", "Instructions")
        box, = game.new_boxes("the instructions box")
        self.assertEqual(self.x.name(box), os.path.basename(harness.BINARY))
        width = self.x.geometry(box)[2]  # moved beside the game window, so the centre shows
        self.x.run("xdotool", "windowmove", "--sync", str(box),
                   str(game.outer()[0] - width - 20), "100", check=False)
        first = game.text()
        # "Ready", "Set", "INFECT!" and Level 1's clear centre follow within seconds.
        wait_until(lambda: game.text() != first, 15, "the centre to change behind the box")
        death = game.new_boxes("a death behind them", [box], outside=True)
        self.assertEqual(len(death), 1, "not one death message")
        game.close_box(death[0])
        self.assertEqual(game.boxes(), [box], "the instructions went, or another box stayed")
        game.close_box(box)
        game.choose("Help", "About Vasculon")
        about, = game.new_boxes("the About box")
        self.assertEqual(self.x.name(about), "About Vasculon")
        game.close_box(about)
        self.assertIsNone(game.proc.poll(), "closing the boxes ended the game")


if __name__ == "__main__":
    harness.main()
