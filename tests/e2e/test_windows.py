# The Windows build's own ground, under Wine: where a new player's progress
# goes and that the game is heard; and the installer's round trip: silently
# in, listed and on the Start menu, started, silently out, the progress kept.
# Wine's exit codes say nothing here: the files and the registry do.
import os, time  # noqa: E401
from pathlib import Path

from harness import AUDIBLE, PREFIX, SAVED_GAMES as SAVED, Case, wait_until

PROGRAM = Path(PREFIX, "drive_c/Program Files/Vasculon")
SHORTCUT = Path(PREFIX, "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vasculon/Vasculon.lnk")
ENTRY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vasculon"


class WindowsTest(Case):
    sound = True

    def test_a_game_begun_in_an_empty_folder_saves_in_saved_games_and_is_heard(self):
        self.fresh_data_file()  # none yet
        self.launch()
        start = time.monotonic()
        self.begin("New Game")
        wait_until(lambda: self.peaks(start, time.monotonic())[0] > AUDIBLE, "the countdown's sound in the sink")
        wait_until(lambda: SAVED.exists() and SAVED.read_bytes() == bytes(4), "progress 0 in Saved Games")
        self.assertIsNone(self.progress(), "a file in the starting folder")
        self.key(self.wid, "Escape")

    def test_the_installer_puts_in_a_game_that_starts_and_takes_it_out_leaving_the_progress(self):
        installer, = Path(os.environ["VASCULON_INSTALLERS"]).glob("*.exe")  # the folder cpack made it in
        self.wine("wine", str(installer), "/S")
        self.wine("wineserver", "-w")
        listed = self.cmd("wine", "reg", "query", ENTRY)
        for name in ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon", "UninstallString"):
            self.assertIn(name, listed, f"installed: {PROGRAM.exists() and sorted(os.listdir(PROGRAM))}")
        self.assertTrue(SHORTCUT.exists(), "no Start-menu shortcut")
        self.launch(binary=str(PROGRAM / "vasculon.exe"))
        self.key(self.wid, "Escape")

        SAVED.parent.mkdir(parents=True, exist_ok=True)
        SAVED.write_bytes(bytes([5, 0, 0, 0]))
        self.wine("wine", str(PROGRAM / "Uninstall.exe"), "/S")
        self.wine("wineserver", "-w")  # the uninstaller runs again from a copy of itself: wait for every process
        self.assertEqual((PROGRAM.exists(), SHORTCUT.exists(), "DisplayName" in self.cmd("wine", "reg", "query", ENTRY)),
                         (False, False, False), "left behind")
        self.assertEqual(SAVED.read_bytes(), bytes([5, 0, 0, 0]))
