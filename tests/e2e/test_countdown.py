"""New Game: the countdown's texts and the germ's start point."""
import harness
from harness import near
from probes import centre_text, centre_texts_until_cleared
from xtools import wait_until


class CountdownTest(harness.GameTestCase):

    def test_new_game_counts_down_ready_set_infect_then_clears(self):
        game = self.launch()
        self.assertIsNone(centre_text(game.shot()), "text at the centre before a game")
        game.choose("Start", "New Game")
        texts = centre_texts_until_cleared(game)
        self.assertEqual(len(texts), 3, f"extents seen: {texts}")
        widths = [right - left for left, right in texts]
        # "Set" is the narrowest word and "INFECT!" the widest.
        self.assertLess(widths[1], widths[0])
        self.assertLess(widths[0], widths[2])

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
