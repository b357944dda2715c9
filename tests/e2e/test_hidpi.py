# At twice the scale on a 4K screen the game keeps its sizes and its walls,
# and draws at the screen's own resolution.
import harness
from harness import BAR, RED, blobs, near, wait_until


class HiDpiTest(harness.Case):
    screen = "3840x2160"

    def test_scale_2_sizes_start_point_walls_and_sharp_drifters(self):
        self.launch(scale=2, QT_SCALE_FACTOR="2")
        self.assertEqual(self.client[2:], (978, 2 * BAR + 1162))
        self.choose("Start", "New Game")
        wait_until(lambda: near(self.pointer(), self.start_point()), "the start point")
        left, top, right, bottom = self.frame
        # The window's outermost pixel on each side is a wall.
        for edge in (((left + right) // 2, top), ((left + right) // 2, bottom - 1),
                     (left, (top + bottom) // 2), (right - 1, (top + bottom) // 2)):
            self.move(*edge)
            wait_until(lambda: not near(self.pointer(), edge, 100), f"a push from {edge}")
            harness.wait_still(self.pointer, "the push to end")

        def mixed_blocks():  # 2 x 2 blocks of a drifter that are not one colour
            shot = self.shot()
            return sum(len({shot.at(x + dx, y + dy) for dx in (0, 1) for dy in (0, 1)}) > 1
                       for l, t, r, b in blobs(shot.find(RED)) if t > 0 and b - t > 80
                       for x in range(l - l % 2 - 8, r + 8, 2) for y in range(t - t % 2 - 8, b + 8, 2))
        self.assertGreater(wait_until(mixed_blocks, "a drifter in full view"), 20)
        self.key(self.wid, "alt+F4")
        self.assertEqual(self.proc.wait(15), 0)


if __name__ == "__main__":
    harness.main()
