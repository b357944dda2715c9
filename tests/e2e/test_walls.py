"""The window's edges are walls: they push the germ back, and kill it."""
import os

import harness
from probes import centre_text
from xtools import wait_until


class WallTest(harness.GameTestCase):

    def start_countdown(self):
        game = self.launch()
        game.choose("Start", "New Game")
        # The start point is set on the countdown's first frame, with "Ready".
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        return game

    def test_pointer_on_the_left_wall_is_pushed_right(self):
        game = self.start_countdown()
        left, top, _, bottom = game.outer_rect()
        self.x.move_pointer(left, (top + bottom) // 2)
        wait_until(lambda: self.x.pointer()[0] >= left + 150, 5,
                   "a push of 150 px to the right")

    def test_pointer_kept_outside_kills_the_germ_then_start_works_again(self):
        game = self.start_countdown()
        box = game.die_at_the_wall()[0]
        program = os.path.splitext(os.path.basename(self.binary))[0]
        self.assertEqual(self.x.window_name(box), program)
        game.close_box(box)
        wait_until(lambda: centre_text(game.shot()) is None, 5, "the idle backdrop")
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "a new countdown")


if __name__ == "__main__":
    harness.main()
