# Levels 4 to 9, the Final Level and the Ending Act started from the menu as
# a player who reached them would: each shows its banner and its own hazards,
# seen and heard from outside, the germ held still or moved as a player would.
import math
import time

import harness
from harness import DRIFTER_RED, RATE, WHITE, blobs, near, wait_until

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

    def play(self, progress, item, looks, hold=None, seconds=15, tries=6):
        # Starts item from the menu with the file at progress, holds the pointer
        # at hold (client; None: where the level puts it) and hands every shot
        # to looks(game, shot, seen), which names what it saw; done when all
        # it names are seen. A death (shot None) that does not finish it
        # starts the level again.
        game, deaths = self.launch(progress), []
        for _ in range(tries):
            game.choose("Start", item)
            wait_until(lambda: near(self.x.pointer(), game.start_point()), 10, "the start point")
            left, right = wait_until(game.text, 10, "the banner")
            self.assertLessEqual(abs(right - left - BANNER_W.get(item, 42)), 2, f"banner of {item}")
            seen = {"at": time.monotonic(), "outer": game.outer()}
            self.x.move(*game.to_screen(*hold)) if hold else None
            while time.monotonic() < seen["at"] + seconds:
                shot = None if game.boxes() else game.shot()
                sightings = looks(game, shot, seen)
                seen.update({name: seen.get(name) or there for name, there in sightings.items()})
                if all(seen[name] for name in sightings):
                    return game
                if shot is None:
                    deaths.append(round(time.monotonic() - seen["at"], 1))
                    game.close_box(game.boxes()[0])
                    break
            else:
                self.fail(f"{item}: within {seconds} s saw only {seen}")
        self.fail(f"{item}: the germ died {deaths} s in, before the hazards were seen")

    def test_level_4_bursters_burst_into_fragments_with_their_sound(self):
        def looks(game, shot, seen):
            if shot is None:
                return {"alive": False}
            fragments = boxes_of(shot, PALE_BLUE, 52, 52)
            burst = seen.setdefault("burst", time.monotonic()) if fragments else seen.get("burst")
            # The level's opening sting is over long before the first burst.
            heard = burst and self.x.recorded() > self.x.offset_at(burst + 0.5) and self.x.peak(
                self.x.offset_at(burst - 0.3), self.x.offset_at(burst + 0.5)) > AUDIBLE
            return {"drifters": len(shot.find(DRIFTER_RED)) > 100, "several": len(fragments) >= 3,
                    "cell": any(shot.at(l + 25, (t + b) // 2) == WHITE
                                for l, t, r, b in boxes_of(shot, PALE_BLUE, 102, 102)),
                    "heard": heard}
        self.play(5, "Level 4", looks, hold=(484, 40))

    def test_level_5_chaser_hunts_down_a_germ_held_still(self):
        def looks(game, shot, seen):
            cell = shot and chaser(shot)
            if cell:
                seen.setdefault("far", math.dist(cell, game.germ(seen["outer"])))
                seen["near"] = math.dist(cell, game.germ(seen["outer"]))
            return {"killed": shot is None and seen.get("near", 99) < 50 and seen["far"] > 100}
        game = self.play(6, "Level 5", looks, hold=(484, 40), seconds=25)
        self.assertEqual(game.progress(), bytes([6, 0, 0, 0]), "a death wrote the file")

    def test_level_7_grabber_reels_in_a_germ_held_still(self):
        def looks(game, shot, seen):
            last, now = seen.setdefault("last", self.x.pointer()), self.x.pointer()
            grab = shot and grabber(shot)
            if not grab or now != self.x.pointer():  # skip a shot taken during a pull
                return {"pulled": False}
            side, y = grab
            gx, gy = game.germ(seen["outer"])
            if now != last:  # toward the anchor, 5 px a frame on each axis
                dx, dy = now[0] - last[0], now[1] - last[1]
                self.assertTrue(dx % 5 == dy % 5 == 0 and (dx > 0) == side, (dx, dy, grab))
                self.assertTrue(abs(y - gy + 15) < 10 or dy * (y - gy + 15) >= 0, (dx, dy, grab))
                seen["steps"], seen["last"] = seen.get("steps", 0) + 1, now
            ax = 464 if side else 25
            return {"pulled": seen.get("steps", 0) >= 4, "line": all(WHITE in [
                shot.at(int(px + dx), int(py + dy)) for dx in range(-3, 4) for dy in range(-3, 4)]
                for f in (0.3, 0.5, 0.7) for px, py in [(ax + f * (gx - ax), y + f * (gy - 15 - y))])}
        self.play(8, "Level 7", looks)

    def test_level_9_syringes_slide_in_and_spray_across(self):
        def looks(game, shot, seen):
            if shot is None:
                return {"alive": False}
            bodies = [(l, t, r, b) for l, t, r, b in blobs(shot.find(GREY))
                      if l == 0 or r == harness.CLIENT_W]
            if len(bodies) == 2 and "dodged" not in seen:  # out of both sprays' rows
                seen["dodged"] = max(range(100, 560, 20), key=lambda y: min(
                    abs(y - (t + b) / 2) for _, t, _, b in bodies))
                self.x.move(*game.to_screen(244, seen["dodged"]))
            dots = [x for x, _ in shot.find(GREEN)]
            # The tips stop 100 px in; the grey, 13 px short of them.
            return {"entering": any(r - l < 60 for l, _, r, _ in bodies),
                    "in": any(r - l >= 85 for l, _, r, _ in bodies),
                    "across": bool(dots) and max(dots) - min(dots) > 350}
        self.play(10, "Level 9", looks)

    def test_final_level_shows_every_family_within_15_s(self):
        def looks(game, shot, seen):
            return {"alive": False} if shot is None else {
                "drifters": len(shot.find(DRIFTER_RED)) > 100, "chaser": chaser(shot),
                "syringe": len(shot.find(GREY)) > 100, "grabber": grabber(shot)}
        self.play(11, "Final Level", looks, hold=(484, 40))

    def test_audio_server_gone_mid_level_leaves_one_line_and_the_game_playing(self):
        game = self.launch(progress=5)
        game.choose("Start", "Level 4")
        wait_until(game.text, 10, "the banner")
        harness.stop(self.x.pulse)
        try:  # a death, with its sound to play
            game.close_box(game.new_boxes("a death at the walls", outside=True)[0])
            game.choose("Start", "Level 4")
            wait_until(game.text, 10, "the banner of a level started after that")
        finally:
            self.x.listen()
        self.assertEqual(len(harness.tail(game.log).splitlines()), 1, harness.tail(game.log))

    def test_ending_act_beats_shakes_and_bursts_after_an_idle_silence(self):
        game = self.launch(progress=12)
        idle = self.x.recorded()
        wait_until(lambda: self.x.recorded() > idle + RATE, 10, "half a second of idle")
        self.assertLess(self.x.peak(idle), SILENT, "sound while idle")
        origin, start = self.x.geometry(game.wid)[:2], self.x.recorded()
        game.choose("Start", "Ending Act")
        seen, moves = [origin], []

        def shaken_and_recorded():
            now, when = self.x.geometry(game.wid)[:2], time.monotonic()
            self.x.offset_at(when)
            if now != seen[-1]:
                seen.append(now)
                moves.append(when)
            return moves and when > moves[-1] + QUIET_TO and self.x.recorded() >= \
                self.x.offset_at(moves[-1] + QUIET_TO)
        wait_until(shaken_and_recorded, 60, "the shaking and the burst to end", 0.02)
        self.assertEqual(seen[-1], (origin[0] + 5, origin[1]), "not left 5 px right")

        beats = self.x.onsets(start, start + int(BEATING_S * 2 * RATE))
        gaps = [round(b - a, 3) for a, b in zip(beats, beats[1:])]
        self.assertGreaterEqual(len(beats), 19, f"beats heard at {beats}")  # the 20th is cut off
        self.assertTrue(all(BEAT_GAP_S[0] <= gap <= BEAT_GAP_S[1] for gap in gaps[:18]),
                        f"a beat went missing or came late: gaps {gaps}")

        at = self.x.offset_at
        self.assertGreater(self.x.peak(at(moves[0]), at(moves[-1] - 0.3)), AUDIBLE,
                           "no infection clip while the window shook")
        frame_s = (moves[-1] - moves[0]) / SHAKE_STEPS
        if INFECTION_S - FRAMES_TO_LAST_SHAKE * frame_s < QUIET_FROM + 0.25:
            self.skipTest(f"frames of {frame_s * 1000:.0f} ms end the infection clip early anyway")
        self.assertLess(self.x.peak(at(moves[-1] + QUIET_FROM), at(moves[-1] + QUIET_TO)), SILENT,
                        "the infection clip still sounds after the burst")


if __name__ == "__main__":
    harness.main()
