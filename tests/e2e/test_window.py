"""The game window as a player first sees it, the keys that close it, and
what happens without a display."""
import os
import subprocess
import tempfile
import unittest

import harness
from harness import CLIENT_H, CLIENT_W, FIELD_RED, MENU_BAR_H, WALL_RED, is_reddish
from probes import centre_text
from xtools import SCREEN_H, SCREEN_W, wait_until


class WindowTest(harness.GameTestCase):

    def test_client_area_is_489_by_581_below_a_19_px_menu_bar(self):
        game = self.launch()
        _, _, width, height = self.x.geometry(game.wid)
        self.assertEqual((width, height - MENU_BAR_H), (CLIENT_W, CLIENT_H))
        # The backdrop starts right under the menu bar and fills the rest.
        self.assertFalse(is_reddish(game.pixel(CLIENT_W // 2, -1)))
        self.assertTrue(is_reddish(game.pixel(CLIENT_W // 2, 0)))
        self.assertTrue(is_reddish(game.pixel(CLIENT_W // 2, CLIENT_H - 1)))

    def test_window_opens_centred_on_the_screen(self):
        game = self.launch()
        left, top, right, bottom = game.outer_rect()
        self.assertLessEqual(abs((left + right) / 2 - SCREEN_W / 2), 3)
        # Vertically the title bar may or may not be counted in the centring.
        decoration = game.inside_origin()[1] - top
        self.assertLessEqual(abs((top + bottom) / 2 - SCREEN_H / 2), decoration / 2 + 3)

    def test_backdrop_has_dark_walls_and_a_red_field(self):
        game = self.launch()
        shot = game.shot()
        for cy in (5, CLIENT_H // 2, CLIENT_H - 5):
            self.assertEqual(shot.client_pixel(0, cy), WALL_RED)
            self.assertEqual(shot.client_pixel(CLIENT_W - 1, cy), WALL_RED)
            self.assertEqual(shot.client_pixel(CLIENT_W // 2, cy), FIELD_RED)
        # The walls shade lighter towards the field.
        self.assertEqual(shot.client_pixel(50, CLIENT_H // 2), FIELD_RED)
        self.assertEqual(shot.client_pixel(CLIENT_W - 50, CLIENT_H // 2), FIELD_RED)

    def test_enter_escape_and_the_window_manager_close_with_exit_code_0(self):
        for key in ("Return", "Escape", "alt+F4"):
            with self.subTest(key=key):
                game = self.launch()
                self.x.key(game.wid, key)
                self.assertEqual(game.wait_exit(), 0)

    def test_enter_closes_the_game_during_a_countdown_too(self):
        game = self.launch()
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        self.x.key(game.wid, "Return")
        self.assertEqual(game.wait_exit(), 0)


class NoDisplayTest(unittest.TestCase):
    """Without an X server the game says so in one line and fails."""

    def run_without_display(self, display):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        if display:
            env["DISPLAY"] = display
        binary = os.environ.get("VASCULON_BINARY", "")
        with tempfile.TemporaryDirectory() as cwd:
            return subprocess.run([binary], cwd=cwd, env=env, capture_output=True,
                                  text=True, timeout=30)

    def check_one_line_and_failure(self, done):
        lines = [line for line in done.stderr.splitlines() if line.strip()]
        self.assertGreater(done.returncode, 0, done.stderr)  # not killed by a signal
        self.assertEqual(len(lines), 1, done.stderr)

    def test_no_display_at_all(self):
        self.check_one_line_and_failure(self.run_without_display(None))

    def test_display_that_does_not_exist(self):
        self.check_one_line_and_failure(self.run_without_display(":4321"))


if __name__ == "__main__":
    harness.main()
