"""Sound as a player hears it: a game is audible and idle is silent, a new
sound cuts off the one playing, and without a sound server the game plays on
and says so once."""
import os
import time
import unittest

import audio
import harness
from probes import centre_text, centre_texts_until_cleared
from xtools import wait_until

ALL_UNLOCKED = bytes([12, 0, 0, 0])
AUDIBLE = 1000
SILENT = 200

# The Ending Act starts the 8.00 s infection clip when the heart turns green,
# 71 frames before the last of its 43 window shakes, which come one a frame;
# the 1.46 s burst starts on the frame of that last shake.
INFECTION_S = 8.00
FRAMES_INFECTION_TO_LAST_SHAKE = 71
SHAKE_INTERVALS = 42
# Silence is checked this long after the last shake was seen. The burst is
# over 1.46 s after the shake (recordings here go quiet by 1.5 s); the 0.9 s
# beyond that absorb a late start and stutters of the sound on a busy machine.
# Seeing the shake late only moves the window later, into more silence.
# Uncut, the infection clip would sound until 8.00 - 71 x 65 ms = 3.38 s after
# the shake, so at nominal speed the window holds 0.6 s of it.
QUIET_FROM, QUIET_TO = 2.4, 3.0
# Slower frames end the uncut clip earlier: it must still reach this far into
# the window for the test to tell a cut from a clip that simply ended.
UNCUT_OVERLAP_NEEDED = 0.25


# The heart beats from about 1.6 s into the act until the infection clip at
# about 7.2 s. A beat follows the one before after 4 frames, or after 4
# frames less the 70 ms pause that delayed the one before (timers keep their
# beat); a lost beat leaves a gap of 8 frames.
BEATING_S = 8.5
BEAT_GAP_S = (0.1, 0.45)


class SoundTest(harness.GameTestCase):

    @classmethod
    def setUpClass(cls):
        missing = audio.missing_tools()
        if missing:
            raise unittest.SkipTest("needs " + ", ".join(missing))
        super().setUpClass()
        try:
            cls.capture = audio.SoundCapture(cls.x).start()
        except Exception:
            cls.x.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.capture.stop()
        super().tearDownClass()

    def test_new_game_is_audible_and_idle_is_silent(self):
        game = self.launch()
        idle_start = self.capture.position()
        wait_until(lambda: self.capture.position() > idle_start + audio.RATE, 10,
                   "half a second of idle recording")
        self.assertLess(self.capture.peak(idle_start), SILENT, "sound while idle")
        start = self.capture.position()
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        audio.wait_for_sound(self.capture, start, AUDIBLE)

    def test_ending_burst_cuts_off_the_infection_clip(self):
        game = self.launch(progress=ALL_UNLOCKED)
        moves = self.shake_times(game)
        capture = self.capture

        shaking = capture.peak(capture.offset_at(moves[0]),
                               capture.offset_at(moves[-1] - 0.3))
        self.assertGreater(shaking, AUDIBLE, "no infection clip while the window shook")

        frame_s = (moves[-1] - moves[0]) / SHAKE_INTERVALS
        uncut_end = INFECTION_S - FRAMES_INFECTION_TO_LAST_SHAKE * frame_s
        if uncut_end < QUIET_FROM + UNCUT_OVERLAP_NEEDED:
            self.skipTest(f"frames of {frame_s * 1000:.0f} ms: the infection clip "
                          f"would end {uncut_end:.2f} s after the last shake anyway")
        after = capture.peak(capture.offset_at(moves[-1] + QUIET_FROM),
                             capture.offset_at(moves[-1] + QUIET_TO))
        self.assertLess(after, SILENT,
                        f"sound {QUIET_FROM}-{QUIET_TO} s after the last shake, "
                        f"when only the cut-off infection clip could play")

    def test_ending_act_heartbeats_are_all_heard(self):
        game = self.launch(progress=ALL_UNLOCKED)
        start = self.capture.position()
        game.choose("Start", "Ending Act")
        end = start + int(BEATING_S * audio.BYTES_PER_S)
        wait_until(lambda: self.capture.position() >= end, 60, "the beating heart")
        beats = self.capture.onsets(start, end)
        gaps = [round(b - a, 3) for a, b in zip(beats, beats[1:])]
        # 20 beats, 4 frames apart, every other one after a 70 ms pause; the
        # last is cut off by the infection clip on the same frame.
        self.assertGreaterEqual(len(beats), 19, f"beats heard at {beats}")
        self.assertTrue(all(BEAT_GAP_S[0] <= gap <= BEAT_GAP_S[1] for gap in gaps[:18]),
                        f"a beat went missing or came late: gaps {gaps}")

    def shake_times(self, game):
        """Starts the Ending Act and returns when the window was seen to move,
        once the recording reaches QUIET_TO past the last move."""
        seen = {"at": game.inside_origin()}
        moves = []
        game.choose("Start", "Ending Act")

        def shaken_and_recorded():
            now = game.inside_origin()
            when = time.monotonic()
            self.capture.mark()
            if now != seen["at"]:
                seen["at"] = now
                moves.append(when)
            return (moves and when > moves[-1] + QUIET_TO and self.capture.position()
                    >= self.capture.offset_at(moves[-1] + QUIET_TO))
        # The shaking ends about 11 s after the act starts.
        wait_until(shaken_and_recorded, 60, "the window to shake and the burst to end", 0.02)
        return moves


class NoSoundServerTest(harness.GameTestCase):
    """No PulseAudio runs on this X server's session."""

    def test_countdown_runs_silent_and_says_so_once(self):
        nowhere = os.path.join(self.x.tmp, "no-sound-server", "native")
        game = self.launch(env={"PULSE_SERVER": "unix:" + nowhere})
        game.choose("Start", "New Game")
        # Each word of the countdown asks for a sound.
        texts = centre_texts_until_cleared(game)
        self.assertEqual(len(texts), 3, f"extents seen: {texts}")
        widths = [right - left for left, right in texts]
        self.assertLess(widths[1], widths[0], "Ready did not change to Set")
        self.assertIsNone(game.proc.poll(), "the game ended")
        notes = [line for line in game.output().splitlines() if "without sound" in line]
        self.assertEqual(len(notes), 1, f"the game's output:\n{game.log()}")


if __name__ == "__main__":
    harness.main()
