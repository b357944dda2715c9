"""The Help menu's boxes open over a game that goes on behind them."""
import os

import harness
from harness import wait_until


class HelpTest(harness.GameTest):

    def test_instructions_over_a_countdown_a_death_behind_them_then_about(self):
        game = self.launch()
        game.choose("Start", "New Game")
        wait_until(game.text, 10, "the countdown")
        game.choose("Help", "Instructions")
        box, = game.new_boxes("the instructions box")
        self.assertEqual(self.x.name(box), os.path.basename(harness.BINARY))
        # Beside the game window, so that the centre shows.
        width = self.x.geometry(box)[2]
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
