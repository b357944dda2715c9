"""The progress file: written when a state completes, read to unlock levels."""
import time

import harness
from harness import CLIENT_H, CLIENT_W, near
from probes import centre_text, drifter_pixels, outlined_in_black, topmost_disc
from xtools import wait_until

LEVEL_2_UNLOCKED = bytes([3, 0, 0, 0])


def file_bytes(path):
    try:
        with open(path, "rb") as file:
            return file.read()
    except FileNotFoundError:
        return None


class ProgressTest(harness.GameTestCase):

    def test_completed_countdown_saves_progress_0(self):
        game = self.launch()
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        self.assertIsNone(file_bytes(game.progress_path), "saved before the countdown ended")
        # 73 frames of 65 ms, and some slack for a busy machine.
        saved = wait_until(lambda: len(file_bytes(game.progress_path) or b"") >= 4
                           and file_bytes(game.progress_path), 30, "the progress file")
        self.assertEqual(saved, bytes(4))

    def test_level_2_from_the_menu_drops_drifters_that_kill(self):
        game = self.launch(progress=LEVEL_2_UNLOCKED)
        game.choose("Start", "Level 2")
        expected = game.start_point()
        wait_until(lambda: near(self.x.pointer(), expected), 10,
                   f"the pointer at the start point {expected}")
        titles = self.titles_until_drifters_fall(game)
        # One title, not the countdown's three words.
        self.assertEqual(len(titles), 1, f"centre texts seen: {titles}")
        box = self.hold_pointer_in_a_drifters_path(game)
        game.close_box(box)
        self.assertEqual(file_bytes(game.progress_path), LEVEL_2_UNLOCKED,
                         "a death must not write the progress file")

    def test_file_written_while_idle_unlocks_level_2(self):
        game = self.launch()
        with open(game.progress_path, "wb") as file:
            file.write(LEVEL_2_UNLOCKED)
        time.sleep(0.5)  # idle frames re-read the file every 65 ms
        game.choose("Start", "Level 2")
        wait_until(lambda: near(self.x.pointer(), game.start_point()), 10,
                   "Level 2 to start")

    def test_short_file_neither_stops_nor_nags_the_game(self):
        game = self.launch(progress=bytes([3, 0]))
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        self.assertEqual(game.boxes(), [], "a box about the file")
        self.assertIsNone(game.proc.poll(), "the game ended")

    def titles_until_drifters_fall(self, game):
        """Distinct centre texts seen until a red drifter outlined in black
        has fallen wholly into view."""
        titles = []

        def watch():
            shot = game.shot()
            text = centre_text(shot)
            if text and text not in titles:
                titles.append(text)
            return outlined_in_black(shot, drifter_pixels(shot))
        wait_until(watch, 20, "red drifters outlined in black", 0.02)
        return titles

    def hold_pointer_in_a_drifters_path(self, game):
        """Puts the pointer under a falling drifter until the death box opens."""
        placed = [0.0]

        def aim_and_wait():
            boxes = game.boxes()
            if boxes:
                return boxes[0]
            if time.monotonic() - placed[0] > 3:
                disc = topmost_disc(drifter_pixels(game.shot()))
                if disc:
                    cx = min(max(disc[0], 20), CLIENT_W - 20)
                    cy = min(disc[1] + 120, CLIENT_H - 40)
                    self.x.move_pointer(*game.to_screen(cx, cy))
                    placed[0] = time.monotonic()
            return None
        return wait_until(aim_and_wait, 30, "a drifter to kill the germ", 0.1)


if __name__ == "__main__":
    harness.main()
