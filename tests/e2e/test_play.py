"""New Game as a player meets it: the countdown, the germ as the pointer,
the start point, progress saved at the countdown's end, the walls' push and
their kill, and a new game after a death; all without a sound server."""
import os

import harness
from harness import wait_until


def is_germ(shape):
    pixels = [rgba for rgba in shape[3] if rgba[3] == 255]
    green = sum(g > 100 and r < 60 and b < 60 for r, g, b, _ in pixels)
    yellow = sum(r > 150 and g > 150 and b < 60 for r, g, b, _ in pixels)
    return green > 200 and yellow > 5


class PlayTest(harness.GameTest):

    def test_countdown_level_1_walls_death_and_a_new_game(self):
        game = self.launch()
        self.x.move(*game.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.x.cursor()), 5, "the arrow while idle")
        self.assertIsNone(game.text(), "a text before any game")
        game.choose("Start", "New Game")
        wait_until(game.text, 10, "the countdown")
        self.assertIsNone(game.progress(), "progress saved before the countdown ended")
        texts = game.texts()
        self.assertEqual(len(texts), 3, f"extents seen: {texts}")
        widths = [right - left for left, right in texts]  # "Set" narrowest, "INFECT!" widest
        self.assertTrue(widths[1] < widths[0] < widths[2], widths)
        # Level 1 moves no pointer: the countdown's start point still holds.
        expected = game.start_point()
        self.assertLessEqual(max(abs(a - b) for a, b in zip(self.x.pointer(), expected)), 2,
                             f"pointer {self.x.pointer()}, start point {expected}")
        self.assertEqual(self.x.cursor()[:3], (32, 32, (15, 15)))
        self.assertTrue(is_germ(self.x.cursor()), "the pointer is not the germ in a game")
        wait_until(lambda: game.progress() == bytes(4), 10, "progress 0 saved")
        game.close_box(game.new_boxes("a death", outside=True)[0])

        game.choose("Start", "New Game")  # again, after a death
        wait_until(game.text, 10, "a new countdown")
        left, top, _, bottom = game.outer()
        self.x.move(left, (top + bottom) // 2)
        wait_until(lambda: self.x.pointer()[0] >= left + 150, 5, "a push of 150 px to the right")
        box = game.new_boxes("a death at the walls", outside=True)
        self.assertEqual(len(box), 1)
        self.assertEqual(self.x.name(box[0]), os.path.basename(harness.BINARY))
        game.close_box(box[0])
        self.x.move(*game.to_screen(244, 100))
        wait_until(lambda: not is_germ(self.x.cursor()), 5, "the arrow after a death")
        self.assertIsNone(game.proc.poll(), "the game ended")
        notes = [line for line in game.output().splitlines() if "without sound" in line]
        self.assertEqual(len(notes), 1, f"the game's output:\n{game.output()}")


if __name__ == "__main__":
    harness.main()
