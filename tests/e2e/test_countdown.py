"""New Game: the countdown's text and the germ's start point."""
import harness
from probes import centre_text
from harness import near
from xtools import wait_until


class CountdownTest(harness.GameTestCase):

    def test_new_game_shows_ready_over_the_field_at_the_centre(self):
        game = self.launch()
        self.assertIsNone(centre_text(game.shot()), "text at the centre before a game")
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, '"Ready" at the centre')

    def test_new_game_puts_the_pointer_at_the_start_point(self):
        game = self.launch()
        game.choose("Start", "New Game")
        expected = game.start_point()
        try:
            wait_until(lambda: near(self.x.pointer(), expected), 10,
                       "the pointer to reach the start point")
        except AssertionError:
            self.fail(f"pointer at {self.x.pointer()}, start point {expected}")


if __name__ == "__main__":
    harness.main()
