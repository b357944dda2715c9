# Levels 4 to 9, the Final Level and the Ending Act started from the menu as
# a player who reached them would: each shows its banner and its own hazards,
# seen and heard from outside, the germ held still or moved as a player would.
import math
import time

import harness
from harness import BLACK, RATE, RED, WHITE, W, blobs, near, wait_until

PALE_BLUE, NUCLEUS, GREY, GREEN = (200, 200, 255), (245, 245, 245), (130, 130, 130), (0, 255, 0)
AUDIBLE, SILENT = 1000, 200
# The heart beats from about 1.6 s into the act until the infection clip at
# about 7.2 s: 20 beats 4 frames apart, every other one after a 70 ms pause
# (timers keep their beat); a lost beat leaves a gap of 8 frames.
BEATING_S, BEAT_GAP_S = 8.5, (0.1, 0.45)
# The 8.00 s infection clip starts 71 frames before the last of the 42 steps
# of the shake, the 1.46 s burst on that last step. The burst is over 1.5 s
# later; QUIET_FROM..QUIET_TO absorbs a late or stuttering start, and an
# uncut infection clip would still sound there (until 8.00 - 71 x 65 ms =
# 3.38 s after the shake) unless slow frames ended it early.
INFECTION_S, FRAMES_TO_LAST_SHAKE, SHAKE_STEPS = 8.00, 71, 42
QUIET_FROM, QUIET_TO = 2.4, 3.0


def squares(shot, rgb, size):  # groups of rgb about size x size px
    return [b for b in blobs(shot.find(rgb)) if abs(b[2] - b[0] - size) <= 6 and abs(b[3] - b[1] - size) <= 6]


def chaser(shot):  # the centre of the chaser's 31 px nucleus (the grabber's is 66 px)
    found = squares(shot, NUCLEUS, 30)
    return found and ((found[0][0] + found[0][2]) / 2, (found[0][1] + found[0][3]) / 2)


def grabber(shot):  # (on the right, y) of the grabber's 66 px nucleus at a side edge
    found = [b for b in blobs(shot.find(NUCLEUS)) if abs(b[3] - b[1] - 63) <= 8 and (b[0] == 0 or b[2] == W)]
    return found and (found[0][0] > 0, (found[0][1] + found[0][3]) / 2)


def syringes(shot):  # grey bodies at a side wall
    return [b for b in blobs(shot.find(GREY)) if b[0] == 0 or b[2] == W]


# What a level must show: looks(test, shot) run on every shot (None while a
# death box is up) until each has returned something true once.
def drifters(t, shot):  # a red disc wholly in view with its black outline above it
    return shot and any(shot.at((l + r) // 2, top - 1) == BLACK
                        for l, top, r, b in blobs(shot.find(RED)) if top > 5 and b - top > 20)


def fragments(t, shot):  # several at once; the first seen dates the burst
    found = shot and squares(shot, PALE_BLUE, 52)
    if found:
        t.seen.setdefault("burst", time.monotonic())
    return found and len(found) >= 3


def burst_heard(t, shot):  # the level's opening sting is over long before the first burst
    at = t.seen.get("burst")
    return at and t.recorded() > t.offset_at(at + 0.5) and t.peak(t.offset_at(at - 0.3), t.offset_at(at + 0.5)) > AUDIBLE


def chased(t, shot):  # a death right after the chaser came from over 100 px away to within 50 px
    if shot is None and t.seen.get("gap", 99) < 50 and t.seen["far"] > 100:
        t.assertEqual(t.progress(), bytes([6, 0, 0, 0]), "a death wrote the file")
        return True
    cell = shot and chaser(shot)
    if cell:
        t.seen["gap"] = math.dist(cell, t.germ())
        t.seen.setdefault("far", t.seen["gap"])


def reeled(t, shot):  # the pointer, held still, pulled toward a grabber along a white line
    now, grab = t.pointer(), shot and grabber(shot)
    last = t.seen.setdefault("last", now)
    if not grab or now != t.pointer():  # skip a shot taken during a pull
        return False
    (side, y), (gx, gy) = grab, t.germ()
    if now != last:  # toward the anchor, 5 px a frame on each axis
        dx, dy = now[0] - last[0], now[1] - last[1]
        t.assertTrue(dx % 5 == dy % 5 == 0 and (dx > 0) == side, (dx, dy, grab))
        t.assertTrue(abs(y - gy + 15) < 10 or dy * (y - gy + 15) >= 0, (dx, dy, grab))
        t.seen["steps"], t.seen["last"] = t.seen.get("steps", 0) + 1, now
    ax = 464 if side else 25
    t.seen["line"] = t.seen.get("line") or all(WHITE in [
        shot.at(int(px + dx), int(py + dy)) for dx in range(-3, 4) for dy in range(-3, 4)]
        for f in (0.3, 0.5, 0.7) for px, py in [(ax + f * (gx - ax), y + f * (gy - 15 - y))])
    return t.seen.get("steps", 0) >= 4 and t.seen["line"]


def sprayed(t, shot):  # green dots across the window, the germ moved out of both syringes' rows
    bodies = shot and syringes(shot)
    if bodies and len(bodies) == 2 and "dodged" not in t.seen:
        t.seen["dodged"] = max(range(100, 560, 20), key=lambda y: min(abs(y - (b[1] + b[3]) / 2) for b in bodies))
        t.move(*t.to_screen(244, t.seen["dodged"]))
    dots = shot and [x for x, _ in shot.find(GREEN)]
    return dots and max(dots) - min(dots) > 350


LEVELS = {  # menu item: progress, where the germ is held (None: where the level puts it), seconds, looks
    "Level 4": (5, (484, 40), 15, {
        "drifters": drifters, "fragments": fragments, "heard": burst_heard,
        "cell": lambda t, s: s and any(s.at(b[0] + 25, (b[1] + b[3]) // 2) == WHITE
                                       for b in squares(s, PALE_BLUE, 102))}),
    "Level 5": (6, (484, 40), 25, {"killed": chased}),
    "Level 7": (8, None, 15, {"reeled": reeled}),
    "Level 9": (10, None, 15, {  # the tips stop 100 px in; the grey, 13 px short of them
        "entering": lambda t, s: s and any(b[2] - b[0] < 60 for b in syringes(s)),
        "in": lambda t, s: s and any(b[2] - b[0] >= 85 for b in syringes(s)), "across": sprayed}),
    "Final Level": (11, (484, 40), 15, {
        "drifters": drifters, "chaser": lambda t, s: s and chaser(s),
        "syringe": lambda t, s: s and len(s.find(GREY)) > 100, "grabber": lambda t, s: s and grabber(s)}),
}


class LevelsTest(harness.Case):
    sound = True

    def play(self, item):  # a death before all is seen starts the level again
        progress, hold, seconds, looks = LEVELS[item]
        self.launch(progress)
        deaths = []
        for _ in range(6):
            self.choose("Start", item)
            wait_until(lambda: near(self.pointer(), self.start_point()), "the start point")
            left, right = wait_until(self.text, "the banner")
            self.assertLessEqual(abs(right - left - (62 if item == "Final Level" else 42)), 2, "its banner")
            self.move(*self.to_screen(*hold)) if hold else None
            self.seen, start = {}, time.monotonic()
            while time.monotonic() < start + seconds:
                shot = None if self.boxes() else self.shot()
                for name, look in looks.items():
                    self.seen[name] = self.seen.get(name) or look(self, shot)
                if all(self.seen[name] for name in looks):
                    return
                if shot is None:
                    deaths.append(round(time.monotonic() - start, 1))
                    self.close_box(self.boxes()[0])
                    break
            else:
                self.fail(f"{item}: within {seconds} s saw only {self.seen}")
        self.fail(f"{item}: the germ died {deaths} s in, before all was seen: {self.seen}")

    def test_audio_server_gone_mid_level_leaves_one_line_and_the_game_playing(self):
        self.launch(5)
        self.choose("Start", "Level 4")
        wait_until(self.text, "the banner")
        self.pulse.terminate()
        self.close_box(self.death()[0])  # with its sound to play
        self.choose("Start", "Level 4")
        wait_until(self.text, "the banner of a level started after that")
        self.assertEqual(len(harness.tail(self.log).splitlines()), 1, harness.tail(self.log))

    def test_ending_act_beats_shakes_and_bursts_after_an_idle_silence(self):
        self.launch(12)
        idle = self.recorded()
        wait_until(lambda: self.recorded() > idle + RATE, "half a second of idle")
        self.assertLess(self.peak(idle), SILENT, "sound while idle")
        origin, start = self.client[:2], self.recorded()
        self.choose("Start", "Ending Act")
        seen, moves = [origin], []

        def shaken_and_recorded():
            now, when = self.geometry(self.wid)[:2], time.monotonic()
            self.offset_at(when)
            if now != seen[-1]:
                seen.append(now)
                moves.append(when)
            return moves and when > moves[-1] + QUIET_TO and self.recorded() >= self.offset_at(moves[-1] + QUIET_TO)
        wait_until(shaken_and_recorded, "the shaking and the burst to end", 60, 0.02)
        self.assertEqual(seen[-1], (origin[0] + 5, origin[1]), "not left 5 px right")
        self.key(self.wid, "Return")  # back at the menu
        self.assertEqual(self.proc.wait(15), 0)

        # Onsets: 5 ms stretches within 80 % of the loudest, more than 0.1 s after
        # the last such stretch, so that a heartbeat's quieter second thump does not count again.
        samples, n, beats, last = self.samples(start, start + int(BEATING_S * 2 * RATE)), RATE // 200, [], -1.0
        peaks = [max(map(abs, samples[i:i + n])) for i in range(0, len(samples), n)]
        for i, peak in enumerate(peaks):
            if peak and peak >= 0.8 * max(peaks):
                beats += [i * n / RATE] if i * n / RATE - last > 0.1 else []
                last = i * n / RATE
        gaps = [round(b - a, 3) for a, b in zip(beats, beats[1:])]
        self.assertGreaterEqual(len(beats), 19, f"beats heard at {beats}")  # the 20th is cut off
        self.assertTrue(all(BEAT_GAP_S[0] <= gap <= BEAT_GAP_S[1] for gap in gaps[:18]),
                        f"a beat went missing or came late: gaps {gaps}")

        at = self.offset_at
        self.assertGreater(self.peak(at(moves[0]), at(moves[-1] - 0.3)), AUDIBLE, "no infection clip in the shake")
        frame_s = (moves[-1] - moves[0]) / SHAKE_STEPS
        if INFECTION_S - FRAMES_TO_LAST_SHAKE * frame_s < QUIET_FROM + 0.25:
            self.skipTest(f"frames of {frame_s * 1000:.0f} ms end the infection clip early anyway")
        self.assertLess(self.peak(at(moves[-1] + QUIET_FROM), at(moves[-1] + QUIET_TO)), SILENT,
                        "the infection clip still sounds after the burst")


for level in LEVELS:
    setattr(LevelsTest, "test_" + level.lower().replace(" ", "_"), lambda self, item=level: self.play(item))

if __name__ == "__main__":
    harness.main()
