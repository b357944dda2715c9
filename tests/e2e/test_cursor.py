"""The germ is the pointer: its shape while a game runs, the arrow otherwise."""
import unittest

import cursor
import harness
from probes import centre_text
from xtools import wait_until


def green(rgba):
    return rgba[1] > 100 and rgba[0] < 60 and rgba[2] < 60


def yellow(rgba):
    return rgba[0] > 150 and rgba[1] > 150 and rgba[2] < 60


class CursorTest(harness.GameTestCase):

    @classmethod
    def setUpClass(cls):
        if not cursor.available():
            raise unittest.SkipTest("needs libX11 and libXfixes")
        super().setUpClass()

    def shape(self):
        return cursor.read_cursor(self.x.env["DISPLAY"])

    def is_germ(self):
        shape = self.shape()
        return shape.count(green) > 200 and shape.count(yellow) > 5

    def test_pointer_is_the_germ_only_while_a_game_runs(self):
        game = self.launch()
        self.x.move_pointer(*game.to_screen(244, 100))
        wait_until(lambda: not self.is_germ(), 5, "the arrow while idle")
        game.choose("Start", "New Game")
        wait_until(self.is_germ, 10, "the germ pointer in the countdown")
        shape = self.shape()
        self.assertEqual((shape.width, shape.height, shape.hot), (32, 32, (15, 15)))
        game.close_box(game.die_at_the_wall()[0])
        wait_until(lambda: centre_text(game.shot()) is None, 5, "the idle backdrop")
        self.x.move_pointer(*game.to_screen(244, 100))
        wait_until(lambda: not self.is_germ(), 5, "the arrow again after death")


if __name__ == "__main__":
    harness.main()
