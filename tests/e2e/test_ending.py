"""The Ending Act shakes the window and leaves it 5 px right of where it was."""
import time

import harness
from xtools import wait_until

ALL_UNLOCKED = bytes([12, 0, 0, 0])


class EndingTest(harness.GameTestCase):

    def test_ending_act_leaves_the_window_5_px_right(self):
        game = self.launch(progress=ALL_UNLOCKED)
        start = game.inside_origin()
        game.choose("Start", "Ending Act")
        seen = {"moved": False, "since": time.monotonic(), "at": start}

        def shaken_then_still():
            now = game.inside_origin()
            if now != seen["at"]:
                seen.update(moved=True, since=time.monotonic(), at=now)
            # Shakes come every frame; two quiet seconds mean they are over.
            return seen["moved"] and time.monotonic() - seen["since"] > 2
        # The act lasts 195 frames, about 13 s.
        wait_until(shaken_then_still, 45, "the window to shake and come to rest", 0.05)
        self.assertEqual(game.inside_origin(), (start[0] + 5, start[1]))


if __name__ == "__main__":
    harness.main()
