"""The Help menu: its boxes open over a game that goes on behind them."""
import os

import harness
from probes import centre_text
from xtools import wait_until


class HelpTest(harness.GameTestCase):

    def move_clear_of_the_game(self, game, box):
        """Moves a box beside the game window so that its centre shows."""
        left = game.outer_rect()[0]
        _, _, width, _ = self.x.geometry(box)
        self.x.move_window(box, left - width - 20, 100)

    def instructions_over_a_countdown(self):
        """A fresh game in its countdown with the instructions box open."""
        game = self.launch()
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        game.choose("Help", "Instructions")
        return game, game.wait_box(what="the instructions box")

    def test_instructions_open_while_the_countdown_goes_on(self):
        game, box = self.instructions_over_a_countdown()
        program = os.path.splitext(os.path.basename(self.binary))[0]
        self.assertEqual(self.x.window_name(box), program)
        self.move_clear_of_the_game(game, box)
        first = centre_text(game.shot())
        # "Ready", "Set", "INFECT!" and then Level 1's empty centre follow
        # one another within five seconds.
        wait_until(lambda: centre_text(game.shot()) != first, 15,
                   "the centre to change behind the box", 0.1)
        self.assertIn(box, game.boxes(), "the box closed by itself")
        game.close_box(box)

    def test_germ_can_die_behind_the_instructions(self):
        game, instructions = self.instructions_over_a_countdown()
        death = game.die_at_the_wall(known=[instructions])
        self.assertEqual(len(death), 1, "more than one death message")
        game.close_box(death[0])
        self.assertEqual(game.boxes(), [instructions], "another box was left open")
        game.close_box(instructions)
        self.assertIsNone(game.proc.poll(), "the game ended")

    def test_about_opens_a_dialog_titled_about_vasculon(self):
        game = self.launch()
        game.choose("Help", "About Vasculon")
        box = game.wait_box(what="the About dialog")
        self.assertEqual(self.x.window_name(box), "About Vasculon")
        game.close_box(box)
        self.assertIsNone(game.proc.poll(), "closing About ended the game")


if __name__ == "__main__":
    harness.main()
