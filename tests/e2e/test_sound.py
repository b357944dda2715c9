"""The Ending Act as a player sees and hears it: silence while idle, every
heartbeat, the window shaken and left 5 px right, and the burst cutting off
the infection clip."""
import time

import harness
from harness import RATE, wait_until

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


class SoundTest(harness.GameTest):
    sound = True

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
            self.x.mark()
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
