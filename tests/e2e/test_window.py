"""The window as a player first sees it, the ways to close it, and a start
without a display."""
import os
import subprocess
import tempfile

import harness
from harness import CLIENT_H, CLIENT_W, MENU_BAR_H, reddish

FIELD, WALL = (150, 0, 0), (100, 0, 0)


class WindowTest(harness.GameTest):

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
            self.assertEqual([shot.at(cx, cy) for cx in (0, 50, CLIENT_W // 2, CLIENT_W - 51,
                                                         CLIENT_W - 1)],
                             [WALL, FIELD, FIELD, FIELD, WALL], f"row {cy - 1}")

    def test_window_then_enter_escape_alt_f4_and_enter_in_a_countdown_exit_0(self):
        for key, countdown in (("Return", False), ("Escape", False), ("alt+F4", False),
                               ("Return", True)):
            with self.subTest(key=key, countdown=countdown):
                game = self.launch()
                if key == "Escape":
                    self.check_window(game)
                if countdown:
                    game.choose("Start", "New Game")
                    harness.wait_until(game.text, 10, "the countdown")
                self.x.key(game.wid, key)
                self.assertEqual(game.proc.wait(15), 0)

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

if __name__ == "__main__":
    harness.main()
