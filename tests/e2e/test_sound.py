"""Sound reaches the audio server when a game starts."""
import unittest

import audio
import harness
from probes import centre_text
from xtools import wait_until


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
        self.assertLess(self.capture.peak(idle_start), 200, "sound while idle")
        start = self.capture.position()
        game.choose("Start", "New Game")
        wait_until(lambda: centre_text(game.shot()), 10, "the countdown")
        audio.wait_for_sound(self.capture, start)


if __name__ == "__main__":
    harness.main()
