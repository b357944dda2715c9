# Levels 4 to 9, the Final Level and the Ending Act started from the menu as
# a player who reached them would: each shows its banner and its own hazards,
# seen and heard from outside, the germ held still or moved as a player would.
import math, os, time  # noqa: E401

from harness import AUDIBLE, BAR, BLACK, RATE, RED, WHITE, W, Case, blobs, tail, wait_until

PALE_BLUE, NUCLEUS, GREY, GREEN = (200, 200, 255), (245, 245, 245), (130, 130, 130), (0, 255, 0)
# Peaks of the recording. The heart beats from about 1.6 s into the act until
# the infection clip at about 7.2 s: 20 beats 4 frames apart, every other one
# after a 70 ms pause (timers keep their beat); a lost beat leaves a gap of 8 frames.
SILENT, BEATING_S, BEAT_GAP_S = 200, 8.5, (0.1, 0.45)
# The 8.00 s infection clip starts 71 frames before the last of the 42 steps
# of the shake, the 1.46 s burst on that last step. The burst is over 1.5 s
# later; QUIET_FROM..QUIET_TO absorbs a late or stuttering start, and an
# uncut infection clip would still sound there (until 8.00 - 71 x 65 ms =
# 3.38 s after the shake) unless slow frames ended it early.
INFECTION_S, FRAMES_TO_LAST_SHAKE, SHAKE_STEPS, QUIET_FROM, QUIET_TO = 8.00, 71, 42, 2.4, 3.0


def squares(shot, rgb, size):  # groups of rgb about size x size px
    return [b for b in blobs(shot.find(rgb)) if abs(b[2] - b[0] - size) <= 6 and abs(b[3] - b[1] - size) <= 6]


def chaser(t, shot):  # [the centre of the chaser's 31 px nucleus] (the grabber's is 66 px)
    return [((l + r) / 2, (top + b) / 2) for l, top, r, b in squares(shot, NUCLEUS, 30)][:1]


def grabber(t, shot):  # [(on the right, y)] of the grabber's 66 px nucleus at a side edge
    return [(l > 0, (top + b) / 2) for l, top, r, b in blobs(shot.find(NUCLEUS)) if abs(b - top - 63) <= 8
            and (l == 0 or r == W)][:1]


def germ(t):  # the pointer where the game's hazards see it: from the outer corner, below the menu bar
    return tuple(p - o for p, o in zip(t.pointer(), (t.frame[0], t.frame[1] + BAR)))


# What a level must show: looks(test, shot), run on every shot until each has
# returned something true once; test.seen holds what they note, "dead" while
# a death box is up.
def drifters(t, shot):  # a red disc over 20 px tall, wholly in view (top > 20), its black outline above it
    return any(shot.at((l + r) // 2, top - 1) == BLACK for l, top, r, b in blobs(shot.find(RED)) if b - top > 20 < top)


def fragments(t, shot):  # several at once, and the sound of the burst when the first showed
    found = squares(shot, PALE_BLUE, 52)  # (the level's opening sting is over long before)
    at = t.seen.setdefault("burst", time.monotonic()) if found else t.seen.get("burst")
    t.seen["several"] = t.seen.get("several") or len(found) >= 3
    return t.seen["several"] and at and t.peaks(at - 0.3, at + 0.5)[0] > AUDIBLE


def chased(t, shot):  # a death right after the chaser came from over 100 px away to within 50 px
    if t.seen["dead"] and t.seen.get("gap", 99) < 50 and t.seen["far"] > 100:
        return t.progress() == bytes([6, 0, 0, 0]) or t.fail("a death wrote the file")
    for cell in chaser(t, shot) if not t.seen["dead"] else []:
        t.seen["gap"] = math.dist(cell, germ(t))
        if t.seen.setdefault("far", t.seen["gap"]) > 100 and "beside" not in t.seen:
            # Thirteen drifters kill a germ that waits long for the chaser: it goes 80 px beside the chaser, on
            # its row, where only a chaser that steers toward it can reach it.
            t.seen["beside"] = cell
            t.move(*t.to_screen(cell[0] + 80 if cell[0] < W / 2 else cell[0] - 80, max(cell[1], 40)))


def reeled(t, shot):  # the pointer, held still, pulled toward a grabber at a side edge along a white line
    (gx, gy), last = germ(t), t.seen.get("last")
    for side, y in grabber(t, shot):
        if last and last != (gx, gy):  # toward the anchor, 5 px a frame on each axis
            dx, dy = gx - last[0], gy - last[1]
            t.assertTrue(dx % 5 == dy % 5 == 0 and (dx > 0) == side and (
                abs(y - gy + 15) < 10 or dy * (y - gy + 15) >= 0), (dx, dy, side, y))
            t.seen["steps"] = t.seen.get("steps", 0) + 1
        ax, t.seen["last"] = 464 if side else 25, (gx, gy)
        t.seen["line"] = t.seen.get("line") or all(WHITE in [
            shot.at(int(px + dx), int(py + dy)) for dx in range(-3, 4) for dy in range(-3, 4)]
            for f in (0.3, 0.5, 0.7) for px, py in [(ax + f * (gx - ax), y + f * (gy - 15 - y))])
    return t.seen.get("steps", 0) >= 4 and t.seen.get("line")


def sprayed(t, shot):  # green dots across, grey syringes in from the side walls, the germ out of their rows
    bodies, dots = [b for b in blobs(shot.find(GREY)) if 0 in (b[0], b[2] - W)], [x for x, _ in shot.find(GREEN)]
    if len(bodies) == 2 and "dodged" not in t.seen:
        t.seen["dodged"] = max(range(100, 560, 20), key=lambda y: min(abs(y - (b[1] + b[3]) / 2) for b in bodies))
        t.move(*t.to_screen(244, t.seen["dodged"]))
    # The syringes' tips stop 100 px in; their grey, 13 px short of them.
    return dots and max(dots) - min(dots) > 350 and any(b[2] - b[0] >= 85 for b in bodies)


LEVELS = {  # menu item: progress, where the germ is held (None: where the level puts it), seconds, looks
    "Level 4": (5, (484, 40), 15, [drifters, fragments, lambda t, s: squares(s, PALE_BLUE, 102)]),  # and a burster
    "Level 5": (6, (484, 40), 25, [chased]),
    "Level 7": (8, None, 15, [reeled]),
    "Level 9": (10, None, 15, [sprayed]),
    "Final Level": (11, (484, 40), 15, [drifters, chaser, lambda t, s: len(s.find(GREY)) > 100, grabber])}


class LevelsTest(Case):
    sound = True

    def play(self, item):
        progress, hold, seconds, looks = LEVELS[item]
        self.launch(progress)
        for attempt in range(10):  # a death before all is seen starts the level again
            left, right = self.begin(item)
            self.assertLessEqual(abs(right - left - self.banners[item == "Final Level"]), 2, "its banner")
            self.move(*self.to_screen(*hold)) if hold else None
            self.seen, found, end = {"dead": False}, [False] * len(looks), time.monotonic() + seconds
            while not self.seen["dead"] and time.monotonic() < end:
                self.seen["dead"], shot = bool(self.boxes()), self.shot()
                found = [done or look(self, shot) for done, look in zip(found, looks)]
                if all(found):
                    return
            self.key((self.boxes() or self.fail(f"{item}: within {seconds} s saw only {found}, {self.seen}"))[0])
        self.fail(f"{item}: the germ died each time before all was seen; last {found}, {self.seen}")

    def test_ending_act_beats_shakes_and_bursts_then_the_audio_server_dies_mid_level(self):
        self.launch(12)
        start, moves = time.monotonic(), [(0, self.client[:2])]  # (monotonic time, window position)
        self.choose("Start", "Ending Act")

        def shaken_and_recorded():  # a mark at each look
            now, when = self.geometry(self.wid)[:2], time.monotonic()
            moves.extend([(when, now)] if now != moves[-1][1] else [])
            recorded = self.offset_at(moves[-1][0] + QUIET_TO) <= os.path.getsize(self.raw)
            return recorded and len(moves) > 1 and when > moves[-1][0] + QUIET_TO
        wait_until(shaken_and_recorded, "the shaking and the burst to end", 60, 0.02)
        (_, (x, y)), (first, _), (last, end) = moves[0], moves[1], moves[-1]
        self.assertEqual(end, (x + 5, y), "not left 5 px right")
        self.settle()
        # Played on silently, in one line, after a death with its sound to play.
        self.begin("Level 4")
        self.pulse.terminate()
        self.death()
        self.assertEqual(len(tail(self.log).splitlines()), 1, tail(self.log))
        self.key(self.wid, "Escape")

        # Beats: 5 ms stretches within 80 % of the loudest, more than 0.1 s after the
        # last such stretch, so that a heartbeat's quieter second thump does not count again.
        peaks = self.peaks(start, start + BEATING_S, RATE // 200)
        loud = [i / 200 for i, peak in enumerate(peaks) if peak and peak >= 0.8 * max(peaks)]
        beats = [s for before, s in zip([-1] + loud, loud) if s - before > 0.1]
        gaps = [round(b - a, 3) for a, b in zip(beats, beats[1:])]  # the 20th beat is cut off
        self.assertTrue(len(beats) >= 19 and all(BEAT_GAP_S[0] <= gap <= BEAT_GAP_S[1] for gap in gaps[:18]), gaps)

        self.assertGreater(self.peaks(first, last - 0.3)[0], AUDIBLE, "no infection clip in the shake")
        if INFECTION_S - FRAMES_TO_LAST_SHAKE * (last - first) / SHAKE_STEPS < QUIET_FROM + 0.25:
            self.skipTest(f"frames of {(last - first) / SHAKE_STEPS:.3f} s end the infection clip early anyway")
        self.assertLess(self.peaks(last + QUIET_FROM, last + QUIET_TO)[0], SILENT, "the clip outlasted the burst")


for level in LEVELS:
    setattr(LevelsTest, "test_" + level.lower().replace(" ", "_"), lambda self, item=level: self.play(item))


class WithoutSharedMemoryTest(Case):  # a server that shares no memory: the play area is painted through Qt
    xvfb = ("-extension", "MIT-SHM")

    def test_final_level(self):
        LevelsTest.play(self, "Final Level")
