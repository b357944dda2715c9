"""The later levels started from the menu: each shows its banner and its own
hazards, seen and heard from outside while the test holds the germ still."""
import math
import time

import harness
from harness import DRIFTER_RED, WHITE, blobs, near, wait_until

PALE_BLUE, NUCLEUS, GREY, GREEN = (200, 200, 255), (245, 245, 245), (130, 130, 130), (0, 255, 0)
AUDIBLE = 1000
BANNER_W = {"Final Level": 62}  # in DejaVu Sans; "Level N" is 42 px wide


def boxes_of(shot, rgb, width, height=None, slack=6):
    # Groups of rgb about width x height (height None: any) pixels in size
    return [(l, t, r, b) for l, t, r, b in blobs(shot.find(rgb)) if abs(r - l - width) <= slack
            and (height is None or abs(b - t - height) <= slack)]


def centre(box):
    return (box[0] + box[2]) / 2, (box[1] + box[3]) / 2


def chaser(shot):  # the 31 px nucleus of the chaser (the grabber's is 66 px)
    found = boxes_of(shot, NUCLEUS, 30, 30)
    return centre(found[0]) if found else None


def grabber(shot):  # the grabber's 66 px nucleus at a side edge, as (side, y)
    found = [box for box in blobs(shot.find(NUCLEUS)) if abs(box[3] - box[1] - 63) <= 8
             and (box[0] == 0 or box[2] == harness.CLIENT_W)]
    return found and (found[0][0] > 0, (found[0][1] + found[0][3]) / 2)


class LevelsTest(harness.GameTest):
    sound = True

    def play(self, progress, item, watch, hold=None, seconds=15, tries=6):
        # Starts item from the menu with the file at progress, holds the pointer
        # at hold (client; None: where the level puts it) and hands every shot
        # to watch(game, shot, seen) until it says done. A death (shot None)
        # that watch does not call done starts the level again.
        game, deaths = self.launch(progress), []
        for _ in range(tries):
            game.choose("Start", item)
            wait_until(lambda: near(self.x.pointer(), game.start_point()), 10, "the start point")
            left, right = wait_until(game.text, 10, "the banner")
            self.assertLessEqual(abs(right - left - BANNER_W.get(item, 42)), 2, f"banner of {item}")
            seen = {"at": time.monotonic()}
            self.x.move(*game.to_screen(*hold)) if hold else None
            while time.monotonic() < seen["at"] + seconds:
                if game.boxes():
                    if watch(game, None, seen):
                        return game, seen
                    deaths.append(round(time.monotonic() - seen["at"], 1))
                    game.close_box(game.boxes()[0])
                    break
                if watch(game, game.shot(), seen):
                    return game, seen
            else:
                self.fail(f"{item}: within {seconds} s saw only {seen}")
        self.fail(f"{item}: the germ died {deaths} s in, before the hazards were seen")

    def test_level_4_bursters_burst_into_fragments_with_their_sound(self):
        def watch(game, shot, seen):
            if shot is None:
                return False
            seen["drifters"] = seen.get("drifters") or len(shot.find(DRIFTER_RED)) > 100
            for l, t, r, b in boxes_of(shot, PALE_BLUE, 102, 102):
                seen["cell"] = seen.get("cell") or shot.at(l + 25, (t + b) // 2) == WHITE
            fragments = boxes_of(shot, PALE_BLUE, 52, 52)
            if fragments and "burst" not in seen:
                seen["burst"] = time.monotonic()
            seen["fragments"] = max(seen.get("fragments", 0), len(fragments))
            if "burst" in seen and self.x.recorded() > self.x.offset_at(seen["burst"] + 0.5):
                # The level's opening sting is over long before the first burst.
                seen["heard"] = self.x.peak(self.x.offset_at(seen["burst"] - 0.3),
                                            self.x.offset_at(seen["burst"] + 0.5)) > AUDIBLE
                return seen["drifters"] and seen.get("cell") and seen["fragments"] >= 3 and seen["heard"]
        self.play(5, "Level 4", watch, hold=(484, 40))

    def test_level_5_chaser_hunts_down_a_germ_held_still(self):
        def watch(game, shot, seen):
            cell = shot and chaser(shot)
            if cell:
                seen.setdefault("far", math.dist(cell, game.germ(seen.setdefault("outer", game.outer()))))
                seen["near"] = math.dist(cell, game.germ(seen["outer"]))
            return shot is None and seen.get("near", 99) < 50 and seen["far"] > 100
        game, _ = self.play(6, "Level 5", watch, hold=(484, 40), seconds=25)
        self.assertEqual(game.progress(), bytes([6, 0, 0, 0]), "a death wrote the file")

    def test_level_7_grabber_reels_in_a_germ_held_still(self):
        def watch(game, shot, seen):
            outer = seen.setdefault("outer", game.outer())
            last, now = seen.setdefault("last", self.x.pointer()), self.x.pointer()
            grab = shot and grabber(shot)
            if not grab or now != self.x.pointer():
                return False
            side, y = grab
            gx, gy = game.germ(outer)
            if now != last:  # toward the anchor, 5 px a frame on each axis
                dx, dy = now[0] - last[0], now[1] - last[1]
                self.assertTrue(dx % 5 == dy % 5 == 0 and (dx > 0) == side, (dx, dy, grab))
                self.assertTrue(abs(y - gy + 15) < 10 or dy * (y - gy + 15) >= 0, (dx, dy, grab))
                seen["steps"], seen["last"] = seen.get("steps", 0) + 1, now
            anchor = (464 if side else 25, y)
            seen["line"] = seen.get("line") or all(
                WHITE in [shot.at(int(x + dx), int(y + dy)) for dx in range(-3, 4) for dy in range(-3, 4)]
                for f in (0.3, 0.5, 0.7) for x, y in [(anchor[0] + f * (gx - anchor[0]),
                                                       anchor[1] + f * (gy - 15 - anchor[1]))])
            return seen.get("steps", 0) >= 4 and seen["line"]
        self.play(8, "Level 7", watch)

    def test_level_9_syringes_slide_in_and_spray_across(self):
        def watch(game, shot, seen):
            if shot is None:
                return False
            bodies = [(l, t, r, b) for l, t, r, b in blobs(shot.find(GREY))
                      if l == 0 or r == harness.CLIENT_W]
            for l, t, r, b in bodies:
                seen.setdefault("entering", r - l)
                seen["in"] = max(seen.get("in", 0), r - l)
            # Out of both sprays' rows once both bodies show.
            if len(bodies) == 2 and "dodged" not in seen:
                seen["dodged"] = max(range(100, 560, 20), key=lambda y: min(abs(y - (t + b) / 2)
                                                                        for _, t, _, b in bodies))
                self.x.move(*game.to_screen(244, seen["dodged"]))
            dots = [x for x, _ in shot.find(GREEN)]
            seen["spray"] = max(seen.get("spray", 0), dots and max(dots) - min(dots) or 0)
            # The tips stop 100 px in; the grey, 13 px short of them.
            return seen.get("entering", 99) < 60 and seen.get("in", 0) >= 85 and seen["spray"] > 350
        self.play(10, "Level 9", watch)

    def test_final_level_shows_every_family_within_15_s(self):
        def watch(game, shot, seen):
            if shot is None:
                return False
            for name, there in (("drifters", len(shot.find(DRIFTER_RED)) > 100),
                                ("chaser", chaser(shot)), ("syringe", len(shot.find(GREY)) > 100),
                                ("grabber", grabber(shot))):
                seen[name] = seen.get(name) or bool(there)
            return all(seen[name] for name in ("drifters", "chaser", "syringe", "grabber"))
        self.play(11, "Final Level", watch, hold=(484, 40))


if __name__ == "__main__":
    harness.main()
