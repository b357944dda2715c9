"""The progress file, read on every idle frame: a short one is survived in
silence, one edited while idle unlocks its level, and a death leaves it alone."""
import time

import harness
from harness import CLIENT_H, CLIENT_W, DRIFTER_RED, blobs, wait_until


class ProgressTest(harness.GameTest):

    def test_short_file_then_an_edit_unlocks_level_2_whose_drifters_kill(self):
        game = self.launch(progress=bytes([3, 0]))
        time.sleep(1)  # some idle frames read the short file
        self.assertEqual(game.boxes(), [], "a box about the short file")
        self.assertIsNone(game.proc.poll(), "the game ended")
        game.write(3)
        time.sleep(1)  # and some read the edited one
        game.choose("Start", "Level 2")
        expected = game.start_point()
        wait_until(lambda: max(abs(a - b) for a, b in zip(self.x.pointer(), expected)) <= 2, 10,
                   f"the pointer at the start point {expected}")
        titles = []

        def outlined_drifter():
            shot = game.shot()
            text = game.text(shot)
            if text and text not in titles:
                titles.append(text)
            # A disc wholly in view whose red fill meets a black row above it.
            return any(shot.at((l + r) // 2, t - 1) == harness.BLACK
                       for l, t, r, b in blobs(shot.find(DRIFTER_RED)) if t > 5 and b - t > 20)
        wait_until(outlined_drifter, 20, "red drifters outlined in black", 0.01)
        self.assertEqual(len(titles), 1, f"one title, not the countdown's words: {titles}")
        game.close_box(self.die_under_a_drifter(game))
        self.assertEqual(game.progress(), bytes([3, 0, 0, 0]), "a death wrote the file")

    def die_under_a_drifter(self, game):
        """Puts the pointer below the topmost drifter until the death box opens."""
        placed = [0.0]

        def aim():
            if game.boxes():
                return game.boxes()[0]
            discs = blobs(game.shot().find(DRIFTER_RED))
            if discs and time.monotonic() - placed[0] > 3:
                left, top, right, _ = min(discs, key=lambda disc: disc[1])
                self.x.move(*game.to_screen(min(max((left + right) // 2, 20), CLIENT_W - 20),
                                            min(top + 120, CLIENT_H - 40)))
                placed[0] = time.monotonic()
        return wait_until(aim, 30, "a drifter to kill the germ", 0.1)


if __name__ == "__main__":
    harness.main()
