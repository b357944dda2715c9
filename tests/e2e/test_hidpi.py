# At twice the scale on a 4K screen the game keeps its sizes and its walls,
# and draws at the screen's own resolution.
import harness
from harness import DRIFTER_RED, blobs, near, wait_until


class HiDpiTest(harness.GameTest):
    screen = (3840, 2160)

    def test_scale_2_sizes_start_point_walls_and_sharp_drifters(self):
        game = self.launch(env={"QT_SCALE_FACTOR": "2"}, scale=2)
        self.assertEqual(self.x.geometry(game.wid)[2:], (978, 2 * harness.MENU_BAR_H + 1162))
        game.choose("Start", "New Game")
        wait_until(lambda: near(self.x.pointer(), game.start_point()), 10, "the start point")
        left, top, right, bottom = game.outer()
        # The window's outermost pixel on each side is a wall.
        for edge in (((left + right) // 2, top), ((left + right) // 2, bottom - 1),
                     (left, (top + bottom) // 2), (right - 1, (top + bottom) // 2)):
            self.x.move(*edge)
            wait_until(lambda: not near(self.x.pointer(), edge, 100), 5, f"a push from {edge}")
            harness.wait_still(self.x.pointer, "the push to end")

        def mixed_blocks():  # 2 x 2 blocks of a drifter that are not one colour
            shot = game.shot()
            return sum(len({shot.at(x + dx, y + dy) for dx in (0, 1) for dy in (0, 1)}) > 1
                       for l, t, r, b in blobs(shot.find(DRIFTER_RED)) if t > 0 and b - t > 80
                       for x in range(l - l % 2 - 8, r + 8, 2) for y in range(t - t % 2 - 8, b + 8, 2))
        self.assertGreater(wait_until(mixed_blocks, 20, "a drifter in full view"), 20)


if __name__ == "__main__":
    harness.main()
