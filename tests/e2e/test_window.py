"""The game window as a player first sees it, and the two keys that close it."""
import harness
from harness import CLIENT_H, CLIENT_W, FIELD_RED, MENU_BAR_H, WALL_RED, is_reddish
from xtools import SCREEN_H, SCREEN_W


class WindowTest(harness.GameTestCase):

    def test_client_area_is_489_by_581_below_a_19_px_menu_bar(self):
        game = self.launch()
        _, _, width, height = self.x.geometry(game.wid)
        self.assertEqual((width, height - MENU_BAR_H), (CLIENT_W, CLIENT_H))
        # The backdrop starts right under the menu bar and fills the rest.
        self.assertFalse(is_reddish(game.pixel(CLIENT_W // 2, -1)))
        self.assertTrue(is_reddish(game.pixel(CLIENT_W // 2, 0)))
        self.assertTrue(is_reddish(game.pixel(CLIENT_W // 2, CLIENT_H - 1)))

    def test_window_opens_centred_on_the_screen(self):
        game = self.launch()
        left, top, right, bottom = game.outer_rect()
        self.assertLessEqual(abs((left + right) / 2 - SCREEN_W / 2), 3)
        # Vertically the title bar may or may not be counted in the centring.
        decoration = game.inside_origin()[1] - top
        self.assertLessEqual(abs((top + bottom) / 2 - SCREEN_H / 2), decoration / 2 + 3)

    def test_backdrop_has_dark_walls_and_a_red_field(self):
        game = self.launch()
        shot = game.shot()
        for cy in (5, CLIENT_H // 2, CLIENT_H - 5):
            self.assertEqual(shot.client_pixel(0, cy), WALL_RED)
            self.assertEqual(shot.client_pixel(CLIENT_W - 1, cy), WALL_RED)
            self.assertEqual(shot.client_pixel(CLIENT_W // 2, cy), FIELD_RED)
        # The walls shade lighter towards the field.
        self.assertEqual(shot.client_pixel(50, CLIENT_H // 2), FIELD_RED)
        self.assertEqual(shot.client_pixel(CLIENT_W - 50, CLIENT_H // 2), FIELD_RED)

    def test_enter_closes_the_game_with_exit_code_0(self):
        game = self.launch()
        self.x.key(game.wid, "Return")
        self.assertEqual(game.wait_exit(), 0)

    def test_escape_closes_the_game_with_exit_code_0(self):
        game = self.launch()
        self.x.key(game.wid, "Escape")
        self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    harness.main()
